// The comparison against a naive one on random drawings of hundreds of
// primitives, and the nearest-place search against measuring every pair.
#include "doc/diff/diff_nearest.h"
#include "doc/diff/drawing_diff.h"
#include "support/core_test.h"

namespace {
// A generator of our own: the same drawings on every machine and library.
class CRandom {
  public:
    explicit CRandom(std::uint64_t seed) : m_state(seed) {}
    int Below(int n) {
        m_state += 0x9E3779B97F4A7C15u;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return int((z ^ (z >> 31)) % std::uint64_t(n));
    }

  private:
    std::uint64_t m_state;
};

double Distance(CPoint a, CPoint b) {
    const double dx = double(a.x) - b.x, dy = double(a.y) - b.y;
    return dx * dx + dy * dy;
}

// Few values, so that equal lines, equal shapes and near places abound; none
// comes near the unset point, even moved.
std::string RandomLine(CRandom& r) {
    const int x = 5 + r.Below(30), y = 5 + r.Below(30), d = 1 + r.Below(3), layer = r.Below(3);
    auto n = [](int v) { return std::to_string(v); };
    switch (r.Below(6)) {
    case 0:
        return "LI " + n(x) + " " + n(y) + " " + n(x + 5 * d) + " " + n(y) + " " + n(layer);
    case 1:
        return "SA " + n(x) + " " + n(y);
    case 2:
        return "RV " + n(x) + " " + n(y) + " " + n(x + d) + " " + n(y + d);
    case 3:
        return "PA " + n(x) + " " + n(y) + " 9 9 3 " + n(d % 3);
    case 4:
        return "TY " + n(x) + " " + n(y) + " 5 3 0 0 0 * R" + n(d);
    default:
        return "MC " + n(100 + x) + " " + n(100 + y) + " " + n(d) + " 0 080";
    }
}

std::string Moved(const std::string& line, int dx, int dy) {
    CLibraryState library;
    auto p = ParsePrimitiveLine(line, library.context);
    p->Move(dx, dy);
    return FormatPrimitive(*p, false);
}

// The old drawing, then the new one made of it: lines kept, dropped,
// doubled, moved a little, replaced, added, and some pairs swapped.
std::pair<std::string, std::string> RandomPair(CRandom& r) {
    std::vector<std::string> before, after;
    const int n = 200 + r.Below(400);
    for (int i = 0; i < n; ++i)
        before.push_back(RandomLine(r));
    for (const std::string& line : before) {
        const int what = r.Below(20);
        if (what <= 12) after.push_back(line);
        if (what == 12) after.push_back(line);
        if (what >= 13 && what < 17) after.push_back(Moved(line, r.Below(7) - 3, r.Below(7) - 3));
        if (what == 17) after.push_back(RandomLine(r));
    }
    for (int i = r.Below(20); i > 0; --i)
        after.push_back(RandomLine(r));
    for (int i = r.Below(10); i > 0; --i)
        std::swap(after[std::size_t(r.Below(int(after.size())))],
                  after[std::size_t(r.Below(int(after.size())))]);
    std::string a = "[TAVOLIN]\r\n", b = a;
    for (const std::string& line : before)
        a += line + "\r\n";
    for (const std::string& line : after)
        b += line + "\r\n";
    return {a, b};
}

std::string Line(const CPrimitive& p) {
    std::string s = FormatPrimitive(p, false);
    return s.substr(0, s.size() - 2);
}

// Equal for two primitives of which one is the other moved (a symbol also
// turned).
std::string Shape(const CPrimitive& p) {
    if (p.GetCapabilities() & CAP_MACRO) return static_cast<const CMacro&>(p).m_strName;
    auto c = p.Clone();
    c->Move(-p.GetPoint(0).x, -p.GetPoint(0).y);
    return Line(*c);
}

std::multiset<std::string> Lines(const CPrimitiveList& list) {
    std::multiset<std::string> out;
    for (const auto& p : list)
        out.insert(Line(*p));
    return out;
}

std::multiset<std::string> Minus(const std::multiset<std::string>& a,
                                 const std::multiset<std::string>& b) {
    std::multiset<std::string> out;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(out, out.end()));
    return out;
}
} // namespace

// What is told as gone, moved or new is exactly what one drawing holds more
// of than the other; each primitive is told at most once and by its own line;
// a move joins two places of one shape, and unless others of the shape make
// the same move, no place of its shape left added or removed is nearer to
// either end; no shape is left both removed and added.
TEST(DrawingDiff, AgreesWithANaiveMultisetComparisonOnRandomDrawings) {
    CLibraryState library;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        CRandom r(seed);
        const auto [oldText, newText] = RandomPair(r);
        const CLoadedText a = ParseDocumentText(oldText, library.context),
                          b = ParseDocumentText(newText, library.context);
        ASSERT_EQ(a.nError + b.nError, 0);
        const CDrawingDiff d = CompareLists("", a.list, "", b.list);
        std::multiset<std::string> gone, come;
        std::set<int> olds, news;
        std::map<std::string, std::vector<int>> addedLeft, removedLeft;
        for (const CDrawingChange& c : d.changes) {
            if (c.nKind == CHANGE_ORDER) continue;
            if (c.nOld >= 0) {
                ASSERT_TRUE(olds.insert(c.nOld).second) << seed;
                EXPECT_EQ(Line(*a.list[std::size_t(c.nOld)]), c.strOld) << seed;
                gone.insert(c.strOld);
            }
            if (c.nNew >= 0) {
                ASSERT_TRUE(news.insert(c.nNew).second) << seed;
                EXPECT_EQ(Line(*b.list[std::size_t(c.nNew)]), c.strNew) << seed;
                come.insert(c.strNew);
            }
            if (c.nKind == CHANGE_ADDED)
                addedLeft[Shape(*b.list[std::size_t(c.nNew)])].push_back(c.nNew);
            if (c.nKind == CHANGE_REMOVED)
                removedLeft[Shape(*a.list[std::size_t(c.nOld)])].push_back(c.nOld);
        }
        const auto oldLines = Lines(a.list), newLines = Lines(b.list);
        EXPECT_EQ(gone, Minus(oldLines, newLines)) << seed;
        EXPECT_EQ(come, Minus(newLines, oldLines)) << seed;
        EXPECT_EQ(d.nAdded + d.nRemoved + 2 * d.nMoved, int(gone.size() + come.size())) << seed;
        for (const auto& shape : removedLeft)
            EXPECT_EQ(addedLeft.count(shape.first), 0u) << seed << " " << shape.first;
        std::map<std::pair<std::string, std::pair<int, int>>, int> shared; // moves of a shape
        const auto shift = [&](const CDrawingChange& c) {
            const CPoint p = a.list[std::size_t(c.nOld)]->GetPoint(0),
                         q = b.list[std::size_t(c.nNew)]->GetPoint(0);
            return std::make_pair(Shape(*a.list[std::size_t(c.nOld)]),
                                  std::make_pair(q.x - p.x, q.y - p.y));
        };
        for (const CDrawingChange& c : d.changes)
            if (c.nKind == CHANGE_MOVED) ++shared[shift(c)];
        for (const CDrawingChange& c : d.changes) {
            if (c.nKind != CHANGE_MOVED) continue;
            const CPrimitive &from = *a.list[std::size_t(c.nOld)],
                             &to = *b.list[std::size_t(c.nNew)];
            ASSERT_EQ(Shape(from), Shape(to)) << seed;
            if (shared[shift(c)] > 1) continue; // a move others make too need not be the nearest
            const double dMove = Distance(from.GetPoint(0), to.GetPoint(0));
            for (int n : addedLeft[Shape(from)])
                EXPECT_GE(Distance(from.GetPoint(0), b.list[std::size_t(n)]->GetPoint(0)), dMove)
                    << seed << " " << c.strOld;
            for (int o : removedLeft[Shape(from)])
                EXPECT_GE(Distance(a.list[std::size_t(o)]->GetPoint(0), to.GetPoint(0)), dMove)
                    << seed << " " << c.strNew;
        }
        EXPECT_EQ(d.Same(), gone.empty() && come.empty() && !d.bOrder) << seed;
    }
}

// Many points in one place, far ones, and queries anywhere.
TEST(NearestPoints, TakesWhatMeasuringEveryPairTakes) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        CRandom r(seed);
        std::vector<CPoint> points;
        for (int i = 200 + r.Below(200); i > 0; --i)
            points.push_back(r.Below(10) ? CPoint(r.Below(40), r.Below(40))
                                         : CPoint(2000000000 - r.Below(3), -2000000000));
        CNearestPoints nearest(points);
        std::vector<char> taken(points.size(), 0);
        for (std::size_t k = 0; k <= points.size(); ++k) {
            const CPoint at(r.Below(60) - 10, r.Below(60) - 10);
            int want = -1;
            for (std::size_t i = 0; i < points.size(); ++i)
                if (!taken[i] &&
                    (want < 0 || Distance(at, points[i]) < Distance(at, points[std::size_t(want)])))
                    want = int(i);
            ASSERT_EQ(nearest.Nearest(at), want) << seed << " at " << at.x << "," << at.y;
            if (want < 0) continue;
            nearest.Take(want);
            taken[std::size_t(want)] = 1;
        }
    }
}
