// Wire nets: every end, dot and symbol point goes into a grid of small cells;
// points at one place join at once, then each wire takes the points lying on it
// from the cells its box covers.
#include "doc/nets/connection_points.h"
#include "doc/nets/net_union.h"
#include "model/bezier.h"

#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace {
// A curve's point lies on it within this many units of its polyline.
constexpr double kOnCurve = 0.5;
constexpr int kCellShift = 4; // cells of 16 units

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
    // Along a horizontal (bAcross false) or vertical wire, through the sorted joints.
    void JoinAlong(int i, bool bVertical, CUnion& u) const;

    CNetList m_nets;
    std::vector<CWireItem> m_items;
    std::vector<CJoint> m_joints;
    mutable std::unordered_map<std::uint64_t, std::pair<int, int>> m_cells; // into m_byCell
    mutable std::vector<int> m_byCell;                                      // joints by cell
    mutable bool m_bGrid = false;
    std::vector<int> m_byRow, m_byColumn; // joints by (y, x) and by (x, y)
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

std::vector<int> SortedBy(std::vector<std::pair<std::uint64_t, int>>& keyed) {
    std::sort(keyed.begin(), keyed.end());
    std::vector<int> out;
    out.reserve(keyed.size());
    for (const auto& k : keyed)
        out.push_back(k.second);
    return out;
}

void CWireBuilder::MakeOrders() {
    std::vector<std::pair<std::uint64_t, int>> rows, columns;
    rows.reserve(m_joints.size()), columns.reserve(m_joints.size());
    for (int i = 0; i < int(m_joints.size()); ++i) {
        const CPoint q = m_joints[i].at;
        rows.push_back({Ordered(q.y, q.x), i}), columns.push_back({Ordered(q.x, q.y), i});
    }
    m_byRow = SortedBy(rows);
    m_byColumn = SortedBy(columns);
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

// Built when a wire first needs it: one neither horizontal nor vertical.
void CWireBuilder::MakeGrid() const {
    std::vector<std::pair<std::uint64_t, int>> keyed;
    keyed.reserve(m_joints.size());
    for (int i = 0; i < int(m_joints.size()); ++i)
        keyed.push_back(
            {CellKey(m_joints[i].at.x >> kCellShift, m_joints[i].at.y >> kCellShift), i});
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

void CWireBuilder::JoinAlong(int i, bool bVertical, CUnion& u) const {
    const CPrimitive& p = *m_nets.members[i].p;
    const CPoint a = p.GetPoint(0), c = p.GetPoint(1);
    const std::vector<int>& v = bVertical ? m_byColumn : m_byRow;
    // (along, across) keys: the order each list is sorted in.
    auto key = [bVertical](CPoint q) {
        return bVertical ? std::make_pair(q.x, q.y) : std::make_pair(q.y, q.x);
    };
    const auto from =
        key(bVertical ? CPoint{a.x, std::min(a.y, c.y)} : CPoint{std::min(a.x, c.x), a.y});
    const auto to =
        key(bVertical ? CPoint{a.x, std::max(a.y, c.y)} : CPoint{std::max(a.x, c.x), a.y});
    auto it = std::lower_bound(v.begin(), v.end(), from,
                               [&](int j, const auto& k) { return key(m_joints[j].at) < k; });
    for (; it != v.end() && key(m_joints[*it].at) <= to; ++it) {
        const CJoint& j = m_joints[*it];
        if (j.nItem != i && (j.nLayer < 0 || j.nLayer == p.GetLayer())) u.Join(i, j.nItem);
    }
}

// The points lying on wire i, on its layer or a symbol's, join it.
void CWireBuilder::JoinOnWire(int i, CUnion& u) const {
    const CWireItem& w = m_items[i];
    const CPrimitive& p = *m_nets.members[i].p;
    if (w.nKind == WIRE_STRAIGHT &&
        (p.GetPoint(0).x == p.GetPoint(1).x || p.GetPoint(0).y == p.GetPoint(1).y)) {
        JoinAlong(i, p.GetPoint(0).x == p.GetPoint(1).x, u);
        return;
    }
    std::int64_t l, t, r, bt;
    if (w.nKind == WIRE_CURVE) {
        double dl = w.curve[0].x, dt = w.curve[0].y, dr = dl, db = dt;
        for (const CVec& v : w.curve)
            dl = std::min(dl, v.x), dr = std::max(dr, v.x), dt = std::min(dt, v.y),
            db = std::max(db, v.y);
        l = std::int64_t(std::floor(dl - 1)), t = std::int64_t(std::floor(dt - 1));
        r = std::int64_t(std::ceil(dr + 1)), bt = std::int64_t(std::ceil(db + 1));
    } else {
        const CPoint a = p.GetPoint(0), c = p.GetPoint(1);
        l = std::min(a.x, c.x), r = std::max(a.x, c.x), t = std::min(a.y, c.y),
        bt = std::max(a.y, c.y);
    }
    auto meets = [&](const CJoint& j) {
        if (j.nItem == i || (j.nLayer >= 0 && j.nLayer != p.GetLayer())) return false;
        return w.nKind == WIRE_CURVE ? OnCurve(w.curve, j.at)
                                     : OnSegment(p.GetPoint(0), p.GetPoint(1), j.at);
    };
    if (!m_bGrid) MakeGrid();
    const std::int64_t cx0 = l >> kCellShift, cx1 = r >> kCellShift, cy0 = t >> kCellShift,
                       cy1 = bt >> kCellShift;
    if ((cx1 - cx0 + 1) * (cy1 - cy0 + 1) > std::int64_t(m_cells.size())) {
        for (const CJoint& j : m_joints) // a wire across most of the drawing
            if (meets(j)) u.Join(i, j.nItem);
        return;
    }
    for (std::int64_t cy = cy0; cy <= cy1; ++cy)
        for (std::int64_t cx = cx0; cx <= cx1; ++cx) {
            const auto it = m_cells.find(CellKey(cx, cy));
            if (it == m_cells.end()) continue;
            for (int k = it->second.first; k < it->second.second; ++k)
                if (meets(m_joints[m_byCell[k]])) u.Join(i, m_joints[m_byCell[k]].nItem);
        }
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
