#include "doc/diff/diff_nearest.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <queue>
#include <tuple>

namespace {
int Coord(CPoint p, int axis) {
    return axis ? p.y : p.x;
}

double Distance(CPoint a, CPoint b) {
    const double dx = double(a.x) - b.x, dy = double(a.y) - b.y;
    return dx * dx + dy * dy;
}

double Gap(int v, int lo, int hi) {
    return v < lo ? double(lo) - v : v > hi ? double(v) - hi : 0.0;
}
} // namespace

CNearestPoints::CNearestPoints(std::vector<CPoint> points)
    : m_points(std::move(points)), m_order(m_points.size()), m_box(m_points.size()),
      m_nLeft(m_points.size()), m_pos(m_points.size()), m_taken(m_points.size(), 0) {
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = int(i);
    Build(0, m_order.size(), 0);
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_pos[std::size_t(m_order[i])] = i;
}

// Ties on the axis go by index, so that the halves split the range cleanly.
CNearestPoints::CBox CNearestPoints::Build(std::size_t lo, std::size_t hi, int axis) {
    const std::size_t mid = lo + (hi - lo) / 2;
    std::nth_element(m_order.begin() + std::ptrdiff_t(lo), m_order.begin() + std::ptrdiff_t(mid),
                     m_order.begin() + std::ptrdiff_t(hi), [&](int a, int b) {
                         return std::make_pair(Coord(m_points[std::size_t(a)], axis), a) <
                                std::make_pair(Coord(m_points[std::size_t(b)], axis), b);
                     });
    const CPoint p = m_points[std::size_t(m_order[mid])];
    CBox box{p.x, p.y, p.x, p.y};
    for (const auto& [from, to] : {std::make_pair(lo, mid), std::make_pair(mid + 1, hi)}) {
        if (from >= to) continue;
        const CBox b = Build(from, to, 1 - axis);
        box = {std::min(box.x0, b.x0), std::min(box.y0, b.y0), std::max(box.x1, b.x1),
               std::max(box.y1, b.y1)};
    }
    m_nLeft[mid] = hi - lo;
    m_box[mid] = box;
    return box;
}

// A range is looked at while its box may hold a point as near as the best so
// far (as near: a lower index wins); the half on the side of `at` first.
void CNearestPoints::Search(std::size_t lo, std::size_t hi, int axis, CPoint at,
                            CBest& best) const {
    if (lo >= hi) return;
    const std::size_t mid = lo + (hi - lo) / 2;
    const CBox& b = m_box[mid];
    if (m_nLeft[mid] == 0) return;
    const double gx = Gap(at.x, b.x0, b.x1), gy = Gap(at.y, b.y0, b.y1);
    if (best.nIndex >= 0 && gx * gx + gy * gy > best.dDistance) return;
    const int i = m_order[mid];
    const CPoint p = m_points[std::size_t(i)];
    if (!m_taken[std::size_t(i)]) {
        const double d = Distance(at, p);
        if (best.nIndex < 0 || d < best.dDistance || (d == best.dDistance && i < best.nIndex))
            best = {i, d};
    }
    const bool bLowFirst = Coord(at, axis) < Coord(p, axis);
    Search(bLowFirst ? lo : mid + 1, bLowFirst ? mid : hi, 1 - axis, at, best);
    Search(bLowFirst ? mid + 1 : lo, bLowFirst ? hi : mid, 1 - axis, at, best);
}

int CNearestPoints::Nearest(CPoint at) const {
    CBest best;
    Search(0, m_order.size(), 0, at, best);
    return best.nIndex;
}

void CNearestPoints::Take(int nIndex) {
    if (m_taken[std::size_t(nIndex)]) return;
    m_taken[std::size_t(nIndex)] = 1;
    Count(nIndex, -1);
}

// Every range on the way down to the point counts it in or out.
void CNearestPoints::Count(int nIndex, int nChange) {
    const std::size_t pos = m_pos[std::size_t(nIndex)];
    for (std::size_t lo = 0, hi = m_order.size(); lo < hi;) {
        const std::size_t mid = lo + (hi - lo) / 2;
        m_nLeft[mid] = std::size_t(std::ptrdiff_t(m_nLeft[mid]) + nChange);
        if (pos == mid) break;
        if (pos < mid)
            hi = mid;
        else
            lo = mid + 1;
    }
}

void CNearestPoints::Give(int nIndex) {
    if (!m_taken[std::size_t(nIndex)]) return;
    m_taken[std::size_t(nIndex)] = 0;
    Count(nIndex, 1);
}

namespace {
using Shift = std::pair<std::int64_t, std::int64_t>;

// The moves that two or more points propose, each with its points in order,
// the most proposed first: a point proposes the move to its partner in list
// order and the move to its nearest place.
std::vector<std::pair<Shift, std::vector<int>>> SharedShifts(const std::vector<CPoint>& from,
                                                             const std::vector<CPoint>& to,
                                                             const CNearestPoints& places) {
    std::map<Shift, std::vector<int>> proposed;
    const auto propose = [&](std::size_t f, std::size_t t) {
        std::vector<int>& by =
            proposed[{std::int64_t(to[t].x) - from[f].x, std::int64_t(to[t].y) - from[f].y}];
        if (by.empty() || by.back() != int(f)) by.push_back(int(f));
    };
    for (std::size_t f = 0; f < from.size(); ++f) {
        if (f < to.size()) propose(f, f);
        propose(f, std::size_t(places.Nearest(from[f])));
    }
    std::vector<std::pair<Shift, std::vector<int>>> out;
    for (auto& entry : proposed)
        if (entry.second.size() >= 2) out.emplace_back(entry.first, std::move(entry.second));
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
        return a.second.size() > b.second.size();
    });
    return out;
}

// The points by place, then index: the first one free at a place.
class CByPlace {
  public:
    explicit CByPlace(const std::vector<CPoint>& points)
        : m_points(points), m_order(points.size()) {
        for (std::size_t i = 0; i < m_order.size(); ++i)
            m_order[i] = int(i);
        std::sort(m_order.begin(), m_order.end(), [&](int a, int b) { return Key(a) < Key(b); });
    }
    int FreeAt(std::int64_t x, std::int64_t y, const CNearestPoints& places) const {
        const std::tuple<std::int64_t, std::int64_t, int> at(x, y, -1);
        for (auto i = std::lower_bound(m_order.begin(), m_order.end(), at,
                                       [&](int a, const auto&b) { return Key(a) < b; });
             i != m_order.end() && m_points[std::size_t(*i)].x == x &&
             m_points[std::size_t(*i)].y == y;
             ++i)
            if (!places.IsTaken(*i)) return *i;
        return -1;
    }

  private:
    std::tuple<std::int64_t, std::int64_t, int> Key(int i) const {
        return {m_points[std::size_t(i)].x, m_points[std::size_t(i)].y, i};
    }
    const std::vector<CPoint>& m_points;
    std::vector<int> m_order;
};

// Each shared move is made by all its points whose place at its end is free,
// when two or more are.
void PairSharedMoves(const std::vector<CPoint>& from, const std::vector<CPoint>& to,
                     CNearestPoints& places, std::vector<int>& partner) {
    const CByPlace byPlace(to);
    for (const auto& [shift, by] : SharedShifts(from, to, places)) {
        std::vector<std::pair<int, int>> pairs;
        for (int f : by) {
            if (partner[std::size_t(f)] >= 0) continue;
            const int t = byPlace.FreeAt(from[std::size_t(f)].x + shift.first,
                                         from[std::size_t(f)].y + shift.second, places);
            if (t < 0) continue;
            pairs.emplace_back(f, t);
            places.Take(t);
        }
        for (const auto& [f, t] : pairs)
            if (pairs.size() >= 2)
                partner[std::size_t(f)] = t;
            else
                places.Give(t);
    }
}

// Each point waits in the queue with its nearest partner as last found; when
// that one was taken meanwhile, it looks again, farther.
void PairNearestFirst(const std::vector<CPoint>& from, CNearestPoints& places,
                      std::vector<int>& partner) {
    using Candidate = std::tuple<double, int, int>; // distance, from, to
    std::priority_queue<Candidate, std::vector<Candidate>, std::greater<Candidate>> queue;
    const auto offer = [&](int f) {
        const int t = places.Nearest(from[std::size_t(f)]);
        if (t >= 0) queue.emplace(Distance(from[std::size_t(f)], places.Point(t)), f, t);
    };
    for (std::size_t f = 0; f < from.size(); ++f)
        if (partner[f] < 0) offer(int(f));
    while (!queue.empty()) {
        const auto [d, f, t] = queue.top();
        queue.pop();
        if (places.IsTaken(t)) {
            offer(f);
            continue;
        }
        places.Take(t);
        partner[std::size_t(f)] = t;
    }
}
} // namespace

std::vector<int> PairNearest(const std::vector<CPoint>& from, const std::vector<CPoint>& to) {
    std::vector<int> partner(from.size(), -1);
    if (to.empty()) return partner;
    CNearestPoints places(to);
    PairSharedMoves(from, to, places, partner);
    PairNearestFirst(from, places, partner);
    return partner;
}
