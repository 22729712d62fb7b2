#include "view/wire_drag.h"

#include "doc/document.h"
#include "model/macro.h"

#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace {
bool IsClass(const CPrimitive& p, const char* name) {
    return std::strcmp(p.GetClassName(), name) == 0;
}

bool IsWire(const CPrimitive& p) {
    return IsClass(p, "CLine") || IsClass(p, "CPCBLine");
}

void AddLineEnds(const CMacro& macro, std::vector<CPoint>& out) {
    for (const auto& c : macro.m_components) {
        if (IsClass(*c, "CLine")) {
            out.push_back(c->GetPoint(0));
            out.push_back(c->GetPoint(1));
        } else if (c->GetCapabilities() & CAP_MACRO) {
            AddLineEnds(static_cast<const CMacro&>(*c), out);
        }
    }
}

std::uint64_t Key(CPoint pt) {
    return (std::uint64_t(std::uint32_t(pt.x)) << 32) | std::uint32_t(pt.y);
}
} // namespace

std::vector<CPoint> ConnectionPoints(const CPrimitive& p) {
    std::vector<CPoint> out;
    if (IsWire(p) || IsClass(p, "CConnection") || IsClass(p, "CPCBPad")) {
        for (int i = 0; i < p.GetPointCount(); ++i)
            out.push_back(p.GetPoint(i));
    } else if (p.GetCapabilities() & CAP_MACRO) {
        out.push_back(p.GetPoint(0));
        AddLineEnds(static_cast<const CMacro&>(p), out);
    }
    return out;
}

// Where several points of the selection coincide, an end keeps to the first:
// they stay together whatever the selection does.
void CWireDrag::Attach(const CSchemoDoc& doc) {
    m_ends.clear();
    std::unordered_map<std::uint64_t, std::pair<const CPrimitive*, int>> at;
    for (const CPrimitive* p : doc.Selection()) {
        const std::vector<CPoint> points = ConnectionPoints(*p);
        for (std::size_t i = 0; i < points.size(); ++i)
            at.emplace(Key(points[i]), std::make_pair(p, int(i)));
    }
    if (at.empty()) return;
    for (const auto& w : doc.Primitives()) {
        if (w->IsSelected() || !IsWire(*w)) continue;
        for (int nEnd = 0; nEnd < 2; ++nEnd) {
            const CPoint pt = w->GetPoint(nEnd);
            auto it = at.find(Key(pt));
            if (it != at.end())
                m_ends.push_back({w.get(), nEnd, it->second.first, it->second.second, pt});
        }
    }
}

void CWireDrag::TakeOut(CSchemoDoc& doc) {
    if (IsEmpty()) return;
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
}

void CWireDrag::Restore(CSchemoDoc& doc) {
    for (const CEnd& e : m_ends)
        e.pWire->SetPoint(e.nEnd, e.ptBefore.x, e.ptBefore.y);
    PutBack(doc);
}
