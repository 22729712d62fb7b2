// Wire nets: every end, dot and symbol point sorted by rows and by columns;
// points at one place join at once, then each straight wire takes the points
// lying on it from a run of a row or a column, or from the lattice points it
// passes through, and each curve those in the cells along it.
#include "doc/nets/connection_points.h"
#include "doc/nets/net_union.h"
#include "model/bezier.h"

#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_map>

namespace {
// A curve's point lies on it within this many units of its polyline.
constexpr double kOnCurve = 0.5;

enum WireKind { WIRE_STRAIGHT, WIRE_CURVE, WIRE_DOT, WIRE_SYMBOL_POINT };
struct CWireItem {
    WireKind nKind;
    std::vector<CVec> curve; // a curve's polyline
};
// Where a member may meet others; nLayer -1 for a symbol's point, which meets any layer.
struct CJoint {
    CPoint at;
    int nLayer;
    int nItem;
};

std::uint64_t CellKey(std::int64_t cx, std::int64_t cy) {
    return (std::uint64_t(std::uint32_t(cx)) << 32) | std::uint32_t(cy);
}

class CWireBuilder {
  public:
    explicit CWireBuilder(const CPrimitiveList& list) {
        for (const auto& p : list)
            Add(*p);
    }
    CNetList Build();

  private:
    void Add(const CPrimitive& p);
    void AddJoint(CPoint at, int nLayer) { m_joints.push_back({at, nLayer, int(m_items.size())}); }
    void MakeOrders();
    void JoinCoincident(CUnion& u);
    void MakeGrid() const;
    void JoinOnWire(int i, CUnion& u) const;
    void JoinRun(int i, const std::vector<std::uint64_t>& keys, const std::vector<int>& order,
                 std::uint64_t from, std::uint64_t to, CUnion& u) const;
    void JoinStraight(int i, CUnion& u) const;
    std::int64_t CellOf(double v) const { return std::int64_t(std::floor(v / m_dCell)); }
    template <class F> void ForCellsAlong(CVec a, CVec b, double grow, F f) const;

    CNetList m_nets;
    std::vector<CWireItem> m_items;
    std::vector<CJoint> m_joints;
    std::vector<int> m_byRow, m_byColumn; // joints by (y, x) and by (x, y)
    std::vector<std::uint64_t> m_rowKeys, m_columnKeys;
    // The cells of the curves' search, made for the first curve.
    mutable std::unordered_map<std::uint64_t, std::pair<int, int>> m_cells; // into m_byCell
    mutable std::vector<int> m_byCell;
    mutable bool m_bGrid = false;
    mutable double m_dCell = 1;
};

void CWireBuilder::Add(const CPrimitive& p) {
    const int first = int(m_nets.members.size());
    if (p.GetCapabilities() & CAP_MACRO) {
        const std::size_t nFirstJoint = m_joints.size();
        const std::vector<CPoint> pts = ConnectionPoints(p);
        for (int i = 0; i < int(pts.size()); ++i) {
            bool bSeen = false;
            for (std::size_t j = nFirstJoint; j < m_joints.size() && !bSeen; ++j)
                bSeen = m_joints[j].at == pts[i];
            if (bSeen) continue;
            AddJoint(pts[i], -1);
            m_nets.members.push_back({&p, &p, i});
            m_items.push_back({WIRE_SYMBOL_POINT, {}});
        }
    } else if (!IsCopperLayer(p.GetLayer()) && p.IsComplete()) {
        const int L = p.GetLayer();
        if (IsClassNamed(p, "CLine") || IsClassNamed(p, "CPCBLine")) {
            AddJoint(p.GetPoint(0), L), AddJoint(p.GetPoint(1), L);
            m_items.push_back({WIRE_STRAIGHT, {}});
        } else if (auto* bz = dynamic_cast<const CBezier*>(&p)) {
            AddJoint(p.GetPoint(0), L), AddJoint(p.GetPoint(3), L);
            std::vector<CVec> v;
            bool bClosed = false;
            OutlinePath(*bz, v, bClosed);
            m_items.push_back({WIRE_CURVE, std::move(v)});
        } else if (IsClassNamed(p, "CConnection")) {
            AddJoint(p.GetPoint(0), L);
            m_items.push_back({WIRE_DOT, {}});
        } else {
            return;
        }
        m_nets.members.push_back({&p, &p, -1});
    }
    if (int(m_items.size()) > first) m_nets.ranges[&p] = {first, int(m_items.size())};
}

// Keys that sort as (major, minor), negative coordinates included.
std::uint64_t Ordered(std::int32_t major, std::int32_t minor) {
    return (std::uint64_t(std::uint32_t(major) ^ 0x80000000u) << 32) |
           (std::uint32_t(minor) ^ 0x80000000u);
}

// The joints' indices in the keys' order, and the keys sorted.
void SortedBy(std::vector<std::pair<std::uint64_t, int>>& keyed, std::vector<std::uint64_t>& keys,
              std::vector<int>& order) {
    std::sort(keyed.begin(), keyed.end());
    keys.reserve(keyed.size()), order.reserve(keyed.size());
    for (const auto& k : keyed)
        keys.push_back(k.first), order.push_back(k.second);
}

void CWireBuilder::MakeOrders() {
    std::vector<std::pair<std::uint64_t, int>> rows, columns;
    rows.reserve(m_joints.size()), columns.reserve(m_joints.size());
    for (int i = 0; i < int(m_joints.size()); ++i) {
        const CPoint q = m_joints[i].at;
        rows.push_back({Ordered(q.y, q.x), i}), columns.push_back({Ordered(q.x, q.y), i});
    }
    SortedBy(rows, m_rowKeys, m_byRow);
    SortedBy(columns, m_columnKeys, m_byColumn);
}

// Ends, dots and points at one place: those on one layer join, and a symbol's
// point there joins them all.
void CWireBuilder::JoinCoincident(CUnion& u) {
    std::vector<const CJoint*> group;
    for (std::size_t g = 0, e = 0; g < m_byRow.size(); g = e) {
        const CPoint at = m_joints[m_byRow[g]].at;
        for (e = g + 1; e < m_byRow.size() && m_joints[m_byRow[e]].at == at; ++e)
            ;
        if (e == g + 1) continue;
        group.clear();
        for (std::size_t k = g; k < e; ++k)
            group.push_back(&m_joints[m_byRow[k]]);
        std::sort(group.begin(), group.end(),
                  [](const CJoint* a, const CJoint* b) { return a->nLayer < b->nLayer; });
        const bool bSymbol = group[0]->nLayer < 0; // sorted first
        for (std::size_t k = 1; k < group.size(); ++k)
            if (bSymbol || group[k - 1]->nLayer == group[k]->nLayer)
                u.Join(bSymbol ? group[0]->nItem : group[k - 1]->nItem, group[k]->nItem);
    }
}

void CWireBuilder::MakeGrid() const {
    // Cells of about four points each where the points spread.
    double l = HUGE_VAL, t = HUGE_VAL, r = -HUGE_VAL, b = -HUGE_VAL;
    for (const CJoint& j : m_joints)
        l = std::min(l, double(j.at.x)), r = std::max(r, double(j.at.x)),
        t = std::min(t, double(j.at.y)), b = std::max(b, double(j.at.y));
    m_dCell = std::max(1.0, std::floor(std::sqrt(4 * (r - l + 1) * (b - t + 1) / m_joints.size())));
    std::vector<std::pair<std::uint64_t, int>> keyed;
    keyed.reserve(m_joints.size());
    for (int i = 0; i < int(m_joints.size()); ++i)
        keyed.push_back({CellKey(CellOf(m_joints[i].at.x), CellOf(m_joints[i].at.y)), i});
    std::sort(keyed.begin(), keyed.end());
    m_byCell.reserve(keyed.size());
    m_cells.reserve(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].first != keyed[i - 1].first)
            m_cells[keyed[i].first] = {int(i), int(i)};
        m_cells[keyed[i].first].second = int(i) + 1;
        m_byCell.push_back(keyed[i].second);
    }
    m_bGrid = true;
}

// The joints from key `from` to key `to` in one of the orders join wire i.
void CWireBuilder::JoinRun(int i, const std::vector<std::uint64_t>& keys,
                           const std::vector<int>& order, std::uint64_t from, std::uint64_t to,
                           CUnion& u) const {
    const int L = m_nets.members[i].p->GetLayer();
    for (auto it = std::lower_bound(keys.begin(), keys.end(), from); it != keys.end() && *it <= to;
         ++it) {
        const CJoint& j = m_joints[order[it - keys.begin()]];
        if (j.nItem != i && (j.nLayer < 0 || j.nLayer == L)) u.Join(i, j.nItem);
    }
}

// A straight wire: a run of a row or a column when it is level or upright,
// else each point of the lattice it passes through.
void CWireBuilder::JoinStraight(int i, CUnion& u) const {
    const CPrimitive& p = *m_nets.members[i].p;
    const CPoint a = p.GetPoint(0), c = p.GetPoint(1);
    if (a.y == c.y) {
        JoinRun(i, m_rowKeys, m_byRow, Ordered(a.y, std::min(a.x, c.x)),
                Ordered(a.y, std::max(a.x, c.x)), u);
    } else if (a.x == c.x) {
        JoinRun(i, m_columnKeys, m_byColumn, Ordered(a.x, std::min(a.y, c.y)),
                Ordered(a.x, std::max(a.y, c.y)), u);
    } else {
        const std::int64_t dx = std::int64_t(c.x) - a.x, dy = std::int64_t(c.y) - a.y;
        const std::int64_t g = std::gcd(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
        for (std::int64_t k = 0; k <= g; ++k) {
            const std::uint64_t key =
                Ordered(std::int32_t(a.y + dy / g * k), std::int32_t(a.x + dx / g * k));
            JoinRun(i, m_rowKeys, m_byRow, key, key, u);
        }
    }
}

// f(cx, cy) for the cells the segment from a to b crosses, widened by `grow`.
template <class F> void CWireBuilder::ForCellsAlong(CVec a, CVec b, double grow, F f) const {
    if (a.x > b.x) std::swap(a, b);
    const double c = m_dCell;
    for (std::int64_t cx = CellOf(a.x - grow); cx <= CellOf(b.x + grow); ++cx) {
        // The piece's points within `grow` of the strip's lie over this stretch.
        const double x0 = std::clamp(cx * c - grow, a.x, b.x);
        const double x1 = std::clamp((cx + 1) * c + grow, a.x, b.x);
        double y0 = a.y, y1 = b.y;
        if (b.x > a.x)
            y0 = a.y + (b.y - a.y) * (x0 - a.x) / (b.x - a.x),
            y1 = a.y + (b.y - a.y) * (x1 - a.x) / (b.x - a.x);
        for (std::int64_t cy = CellOf(std::min(y0, y1) - grow);
             cy <= CellOf(std::max(y0, y1) + grow); ++cy)
            f(cx, cy);
    }
}

// The points lying on wire i, on its layer or a symbol's, join it.
void CWireBuilder::JoinOnWire(int i, CUnion& u) const {
    const CWireItem& w = m_items[i];
    const CPrimitive& p = *m_nets.members[i].p;
    if (w.nKind == WIRE_STRAIGHT) {
        JoinStraight(i, u);
        return;
    }
    if (!m_bGrid) MakeGrid();
    const std::vector<CVec>& v = w.curve;
    for (std::size_t n = 1; n < v.size(); ++n)
        ForCellsAlong(v[n - 1], v[n], kOnCurve, [&](auto cx, auto cy) {
            const auto it = m_cells.find(CellKey(cx, cy));
            if (it == m_cells.end()) return;
            for (int k = it->second.first; k < it->second.second; ++k) {
                const CJoint& j = m_joints[m_byCell[k]];
                if (j.nItem == i || (j.nLayer >= 0 && j.nLayer != p.GetLayer())) continue;
                if (PointSegment({double(j.at.x), double(j.at.y)}, v[n - 1], v[n]).d <= kOnCurve)
                    u.Join(i, j.nItem);
            }
        });
}

CNetList CWireBuilder::Build() {
    CUnion u(m_items.size());
    MakeOrders();
    JoinCoincident(u);
    for (int i = 0; i < int(m_items.size()); ++i)
        if (m_items[i].nKind == WIRE_STRAIGHT || m_items[i].nKind == WIRE_CURVE) JoinOnWire(i, u);
    GroupNets(m_nets, u);
    return std::move(m_nets);
}
} // namespace

CNetList WireNets(const CPrimitiveList& list) {
    return CWireBuilder(list).Build();
}
