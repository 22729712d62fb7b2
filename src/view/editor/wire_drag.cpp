#include "view/editor/wire_drag.h"

#include "doc/document/document.h"
#include "model/layers.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {
bool IsClass(const CPrimitive& p, const char* name) {
    return std::strcmp(p.GetClassName(), name) == 0;
}

bool IsWire(const CPrimitive& p) {
    return IsClass(p, "CLine") || IsClass(p, "CPCBLine");
}

std::uint64_t Key(CPoint pt) {
    return (std::uint64_t(std::uint32_t(pt.x)) << 32) | std::uint32_t(pt.y);
}

long long Distance2(CPoint a, CPoint b) {
    const long long dx = (long long)b.x - a.x, dy = (long long)b.y - a.y;
    return dx * dx + dy * dy; // within 2^63 for any two 32-bit points
}

// On the segment from a to b, its ends excluded.
bool Inside(CPoint a, CPoint b, CPoint pt) {
    if (pt == a || pt == b) return false;
    const long long cross = ((long long)b.x - a.x) * ((long long)pt.y - a.y) -
                            ((long long)b.y - a.y) * ((long long)pt.x - a.x);
    return cross == 0 && std::min(a.x, b.x) <= pt.x && pt.x <= std::max(a.x, b.x) &&
           std::min(a.y, b.y) <= pt.y && pt.y <= std::max(a.y, b.y);
}

bool ByX(const CPoint& a, const CPoint& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
}

// The junction inside the segment from `from` to `to` nearest `from`; the
// junctions sorted ByX.
bool NearestJunction(CPoint from, CPoint to, const std::vector<CPoint>& junctions, CPoint& out) {
    bool bFound = false;
    const CPoint left{std::min(from.x, to.x), INT_MIN};
    const int nRight = std::max(from.x, to.x);
    for (auto it = std::lower_bound(junctions.begin(), junctions.end(), left, ByX);
         it != junctions.end() && it->x <= nRight; ++it)
        if (Inside(from, to, *it) && (!bFound || Distance2(from, *it) < Distance2(from, out))) {
            out = *it;
            bFound = true;
        }
    return bFound;
}
} // namespace

// Where several points of the selection coincide, an end keeps to the first:
// they stay together whatever the selection does. A junction is a dot or a
// wire's end that stays where it is.
void CWireDrag::Attach(const CSchemoDoc& doc, const CLayerTable& layers) {
    m_ends.clear();
    m_cuts.clear();
    std::unordered_map<std::uint64_t, std::pair<const CPrimitive*, int>> at;
    for (const CPrimitive* p : doc.Selection()) {
        const std::vector<CPoint> points = ConnectionPoints(*p);
        for (std::size_t i = 0; i < points.size(); ++i)
            at.emplace(Key(points[i]), std::make_pair(p, int(i)));
    }
    if (at.empty()) return;
    std::vector<CPoint> junctions;
    for (const auto& w : doc.Primitives()) {
        if (w->IsSelected() || !layers.IsShown(w->GetLayer(), false)) continue;
        const bool bWire = IsWire(*w);
        if (!bWire && !IsClass(*w, "CConnection")) continue;
        for (int nEnd = 0; nEnd < (bWire ? 2 : 1); ++nEnd) {
            const CPoint pt = w->GetPoint(nEnd);
            auto it = at.find(Key(pt));
            if (it == at.end())
                junctions.push_back(pt);
            else if (bWire)
                m_ends.push_back({w.get(), nEnd, it->second.first, it->second.second, pt});
        }
    }
    PlanCuts(std::move(junctions));
}

void CWireDrag::PlanCuts(std::vector<CPoint> junctions) {
    std::sort(junctions.begin(), junctions.end(), ByX);
    std::unordered_map<const CPrimitive*, std::array<bool, 2>> attached;
    std::vector<CPrimitive*> wires;
    for (const CEnd& e : m_ends) {
        if (!attached.count(e.pWire)) wires.push_back(e.pWire);
        attached[e.pWire][e.nEnd] = true;
    }
    for (CPrimitive* w : wires) {
        const CPoint a = w->GetPoint(0), b = w->GetPoint(1);
        CCut cut{w, {a, b}, {}, {}};
        CPoint j{0, 0};
        if (attached[w][0] && NearestJunction(a, b, junctions, j)) cut.junctions.push_back(j);
        if (attached[w][1] && NearestJunction(b, a, junctions, j) &&
            (cut.junctions.empty() || j != cut.junctions.front()))
            cut.junctions.push_back(j);
        if (!cut.junctions.empty()) m_cuts.push_back(std::move(cut));
    }
}

// The wire keeps the piece at its point 0 and its place in the list; the
// other pieces, in the wire's direction, go to the end of the list. An end
// attached at point 1 now belongs to the last piece.
void CWireDrag::Cut(CSchemoDoc& doc) {
    CPrimitiveList added;
    std::vector<CPrimitive*> wires;
    for (CCut& c : m_cuts) {
        std::vector<CPoint> pts = c.junctions;
        pts.push_back(c.ptEnds[1]);
        for (std::size_t k = 0; k + 1 < pts.size(); ++k) {
            std::unique_ptr<CPrimitive> piece = c.pWire->Clone();
            piece->SetPoint(0, pts[k].x, pts[k].y);
            piece->SetPoint(1, pts[k + 1].x, pts[k + 1].y);
            piece->m_nRegionKey = 0;
            c.pieces.push_back(piece.get());
            added.push_back(std::move(piece));
        }
        for (CEnd& e : m_ends)
            if (e.pWire == c.pWire && e.nEnd == 1) e.pWire = c.pieces.back();
        wires.push_back(c.pWire);
    }
    if (wires.empty()) return;
    doc.Edit(wires, [&] {
        for (const CCut& c : m_cuts)
            c.pWire->SetPoint(1, c.junctions.front().x, c.junctions.front().y);
    });
    doc.Append(std::move(added));
}

void CWireDrag::Uncut(CSchemoDoc& doc) {
    std::vector<CPrimitive*> wires, pieces;
    for (const CCut& c : m_cuts) {
        if (c.pieces.empty()) continue; // never cut
        wires.push_back(c.pWire);
        pieces.insert(pieces.end(), c.pieces.begin(), c.pieces.end());
    }
    if (wires.empty()) return;
    doc.Remove(pieces);
    doc.Edit(wires, [&] {
        for (const CCut& c : m_cuts)
            for (int i = 0; i < 2; ++i)
                c.pWire->SetPoint(i, c.ptEnds[i].x, c.ptEnds[i].y);
    });
}

void CWireDrag::TakeOut(CSchemoDoc& doc) {
    if (IsEmpty()) return;
    Cut(doc);
    std::vector<CPrimitive*> wires;
    std::unordered_set<const CPrimitive*> seen;
    for (const CEnd& e : m_ends)
        if (seen.insert(e.pWire).second) wires.push_back(e.pWire);
    m_set.TakeOut(doc, wires);
}

void CWireDrag::Follow() {
    std::unordered_map<const CPrimitive*, std::vector<CPoint>> points;
    for (const CEnd& e : m_ends) {
        auto it = points.find(e.pOwner);
        if (it == points.end()) it = points.emplace(e.pOwner, ConnectionPoints(*e.pOwner)).first;
        if (std::size_t(e.nPoint) >= it->second.size()) continue;
        const CPoint pt = it->second[std::size_t(e.nPoint)];
        e.pWire->SetPoint(e.nEnd, pt.x, pt.y);
    }
}

void CWireDrag::PutBack(CSchemoDoc& doc) {
    if (!m_set.IsEmpty()) m_set.PutBackInPlace(doc);
    m_ends.clear();
    m_cuts.clear();
}

void CWireDrag::Restore(CSchemoDoc& doc) {
    for (const CEnd& e : m_ends)
        e.pWire->SetPoint(e.nEnd, e.ptBefore.x, e.ptBefore.y);
    if (!m_set.IsEmpty()) m_set.PutBackInPlace(doc);
    Uncut(doc);
    m_ends.clear();
    m_cuts.clear();
}
