#include "doc/nets/nets.h"

#include "doc/nets/connection_points.h"
#include "doc/scene/spatial_index.h"
#include "model/bezier.h"
#include "model/macro.h"

#include <cmath>
#include <cstring>
#include <numeric>

namespace {
// A curve's point lies on it within this many units of its polyline.
constexpr double kOnCurve = 0.5;

class CUnion {
  public:
    explicit CUnion(std::size_t n) : m_parent(n) { std::iota(m_parent.begin(), m_parent.end(), 0); }
    int Find(int i) {
        while (m_parent[i] != i)
            i = m_parent[i] = m_parent[m_parent[i]];
        return i;
    }
    void Join(int a, int b) {
        a = Find(a), b = Find(b);
        if (a != b) m_parent[std::max(a, b)] = std::min(a, b);
    }

  private:
    std::vector<int> m_parent;
};

// Nets numbered by their first member, members in order.
void GroupNets(CNetList& nets, CUnion& u) {
    const int n = int(nets.members.size());
    nets.netOf.assign(n, -1);
    std::vector<int> netOfRoot(n, -1);
    for (int i = 0; i < n; ++i) {
        int& net = netOfRoot[u.Find(i)];
        if (net < 0) net = int(nets.nets.size()), nets.nets.emplace_back();
        nets.netOf[i] = net;
        nets.nets[net].push_back(i);
    }
}

bool IsCopperLayer(int L) {
    return L == NET_LAYER_BOTTOM || L == NET_LAYER_TOP;
}

bool Is(const CPrimitive& p, const char* name) {
    return std::strcmp(p.GetClassName(), name) == 0;
}

CRect Around(const CCopperShape& s) {
    return {
        ClampToInt32(std::int64_t(std::floor(s.l))), ClampToInt32(std::int64_t(std::floor(s.t))),
        ClampToInt32(std::int64_t(std::ceil(s.rt))), ClampToInt32(std::int64_t(std::ceil(s.b)))};
}

void AddCopper(CCopperNets& nets, const CPrimitive& p, const CPrimitive& top) {
    if (p.GetCapabilities() & CAP_MACRO) {
        for (const auto& c : static_cast<const CMacro&>(p).m_components)
            AddCopper(nets, *c, top);
        return;
    }
    CCopperShape shape;
    if (!IsCopperLayer(p.GetLayer()) || !p.IsComplete() || !CopperShape(p, shape)) return;
    nets.members.push_back({&p, &top, -1});
    nets.shapes.push_back(std::move(shape));
    nets.layers.push_back(Is(p, "CPCBPad") ? (1u << NET_LAYER_BOTTOM) | (1u << NET_LAYER_TOP)
                                           : 1u << p.GetLayer());
}

template <class F>
void ForEachNear(const CNetList& nets, const CSpatialIndex& index, const CRect& r,
                 std::vector<CPrimitive*>& found, F f) {
    found.clear();
    index.Query(r, 0, 0, found);
    for (const CPrimitive* hit : found) {
        const auto [first, end] = nets.RangeOf(hit);
        for (int j = first; j < end; ++j)
            f(j);
    }
}

// A wire-net member: a wire, a dot, or one of a symbol's connection points.
enum WireKind { WIRE_STRAIGHT, WIRE_CURVE, WIRE_DOT, WIRE_SYMBOL_POINT };
struct CWireItem {
    WireKind nKind;
    CPoint at;               // a dot's or symbol point's place
    std::vector<CVec> curve; // a curve's polyline
};

bool OnSegment(CPoint a, CPoint b, CPoint p) {
    const std::int64_t cross =
        std::int64_t(b.x - a.x) * (p.y - a.y) - std::int64_t(b.y - a.y) * (p.x - a.x);
    return cross == 0 && std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) &&
           std::min(a.y, b.y) <= p.y && p.y <= std::max(a.y, b.y);
}

bool OnCurve(const std::vector<CVec>& v, CPoint p) {
    const CVec q{double(p.x), double(p.y)};
    for (std::size_t i = 1; i < v.size(); ++i)
        if (PointSegment(q, v[i - 1], v[i]).d <= kOnCurve) return true;
    return false;
}

std::vector<CVec> CurvePoints(const CBezier& bz) {
    std::vector<CVec> v;
    bool bClosed = false;
    OutlinePath(bz, v, bClosed);
    return v;
}

class CWireBuilder {
  public:
    CWireBuilder(const CPrimitiveList& list, const CSpatialIndex& index) : m_index(index) {
        for (const auto& p : list)
            Add(*p);
    }
    CNetList Build();

  private:
    void Add(const CPrimitive& p);
    // Whether member j lies at pt, an end of a wire on layer L (-1: a symbol's point).
    bool Meets(int j, CPoint pt, int L) const;
    void JoinAt(int i, CPoint pt, int L, CUnion& u);

    const CSpatialIndex& m_index;
    CNetList m_nets;
    std::vector<CWireItem> m_items;
    std::vector<CPrimitive*> m_found;
};

void CWireBuilder::Add(const CPrimitive& p) {
    const int first = int(m_nets.members.size());
    if (p.GetCapabilities() & CAP_MACRO) {
        const std::vector<CPoint> pts = ConnectionPoints(p);
        for (int i = 0; i < int(pts.size()); ++i) {
            bool bSeen = false;
            for (int j = first; j < int(m_items.size()) && !bSeen; ++j)
                bSeen = m_items[j].at == pts[i];
            if (bSeen) continue;
            m_nets.members.push_back({&p, &p, i});
            m_items.push_back({WIRE_SYMBOL_POINT, pts[i], {}});
        }
    } else if (!IsCopperLayer(p.GetLayer()) && p.IsComplete()) {
        if (Is(p, "CLine") || Is(p, "CPCBLine"))
            m_items.push_back({WIRE_STRAIGHT, {}, {}});
        else if (auto* bz = dynamic_cast<const CBezier*>(&p))
            m_items.push_back({WIRE_CURVE, {}, CurvePoints(*bz)});
        else if (Is(p, "CConnection"))
            m_items.push_back({WIRE_DOT, p.GetPoint(0), {}});
        else
            return;
        m_nets.members.push_back({&p, &p, -1});
    }
    if (int(m_items.size()) > first) m_nets.ranges[&p] = {first, int(m_items.size())};
}

bool CWireBuilder::Meets(int j, CPoint pt, int L) const {
    const CWireItem& w = m_items[j];
    const CPrimitive& p = *m_nets.members[j].p;
    if (w.nKind == WIRE_SYMBOL_POINT) return w.at == pt;
    if (L >= 0 && p.GetLayer() != L) return false;
    switch (w.nKind) {
    case WIRE_STRAIGHT:
        return OnSegment(p.GetPoint(0), p.GetPoint(1), pt);
    case WIRE_CURVE:
        return OnCurve(w.curve, pt);
    default:
        return w.at == pt;
    }
}

void CWireBuilder::JoinAt(int i, CPoint pt, int L, CUnion& u) {
    ForEachNear(m_nets, m_index, {pt.x, pt.y, pt.x, pt.y}, m_found, [&](int j) {
        if (j == i) return;
        // A wire's end joins whatever it lies on; a dot or a symbol's point
        // only wires through it and points at the same place.
        const WireKind k = m_items[i].nKind, kj = m_items[j].nKind;
        const bool bPoint = k == WIRE_DOT || k == WIRE_SYMBOL_POINT;
        if (bPoint && kj != WIRE_STRAIGHT && kj != WIRE_CURVE && m_items[j].at != pt) return;
        if (Meets(j, pt, L)) u.Join(i, j);
    });
}

CNetList CWireBuilder::Build() {
    CUnion u(m_items.size());
    for (int i = 0; i < int(m_items.size()); ++i) {
        const CWireItem& w = m_items[i];
        const CPrimitive& p = *m_nets.members[i].p;
        if (w.nKind == WIRE_STRAIGHT || w.nKind == WIRE_CURVE) {
            JoinAt(i, p.GetPoint(0), p.GetLayer(), u);
            JoinAt(i, p.GetPoint(p.GetPointCount() - 1), p.GetLayer(), u);
        } else {
            JoinAt(i, w.at, w.nKind == WIRE_DOT ? p.GetLayer() : -1, u);
        }
    }
    GroupNets(m_nets, u);
    return std::move(m_nets);
}
} // namespace

std::pair<int, int> CNetList::RangeOf(const CPrimitive* pTop) const {
    const auto it = ranges.find(pTop);
    return it == ranges.end() ? std::make_pair(0, 0) : it->second;
}

CCopperNets CopperNets(const CPrimitiveList& list, const CSpatialIndex& index) {
    CCopperNets nets;
    for (const auto& p : list) {
        const int first = int(nets.members.size());
        AddCopper(nets, *p, *p);
        if (int(nets.members.size()) > first)
            nets.ranges[p.get()] = {first, int(nets.members.size())};
    }
    CUnion u(nets.members.size());
    std::vector<CPrimitive*> found;
    for (int i = 0; i < int(nets.members.size()); ++i)
        ForEachNear(nets, index, Around(nets.shapes[i]), found, [&](int j) {
            if (j > i && (nets.layers[i] & nets.layers[j]) &&
                ShapeDistance(nets.shapes[i], nets.shapes[j]).d <= 0)
                u.Join(i, j);
        });
    GroupNets(nets, u);
    return nets;
}

CNetList WireNets(const CPrimitiveList& list, const CSpatialIndex& index) {
    return CWireBuilder(list, index).Build();
}

namespace {
void AppendNets(const CNetList& nets, int& nNumber, std::string& out) {
    for (const std::vector<int>& net : nets.nets) {
        out += std::to_string(++nNumber) + ":";
        const CPrimitive* pLast = nullptr;
        for (int m : net) {
            const CPrimitive* p = nets.members[m].p;
            if (p == pLast) continue; // a symbol's points of one net: one line
            std::string line;
            p->GetTextLine(line, false);
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                line.pop_back();
            out += (pLast ? " | " : " ") + line;
            pLast = p;
        }
        out += '\n';
    }
}
} // namespace

std::string NetsText(const CPrimitiveList& list) {
    const CSpatialIndex index(list);
    std::string out;
    int n = 0;
    AppendNets(CopperNets(list, index), n, out);
    AppendNets(WireNets(list, index), n, out);
    return out;
}
