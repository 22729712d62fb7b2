#include "view/commands/edit_commands.h"

#include "doc/nets/nets.h"
#include "model/macro.h"
#include "view/commands/commands.h"
#include "view/commands/selection_ops.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace {
std::vector<std::string> Lines(const std::vector<CPrimitive*>& prims) {
    std::vector<std::string> lines(prims.size());
    for (std::size_t i = 0; i < prims.size(); ++i)
        prims[i]->GetTextLine(lines[i], false);
    return lines;
}

// A turn about the centre of a single dot, or of primitives that cannot turn,
// changes no line: nothing to save, nothing to undo. A primitive that can
// turn (or mirror) with a point off the centre (off its vertical) surely
// changes; only the others are compared line by line, which a large
// selection could not afford.
template <class F, class M>
bool TransformSelection(CSchemoDoc& doc, const CViewCoords& coords, unsigned nCaps, M&& moves,
                        F&& fn) {
    const std::vector<CPrimitive*> sel = doc.Selection();
    if (sel.empty()) return false;
    const CPoint m = coords.SnapPoint(SelectionCentre(sel));
    std::vector<CPrimitive*> unsure;
    bool bSure = false;
    for (CPrimitive* p : sel) {
        if (!(p->GetCapabilities() & nCaps)) continue;
        for (int i = 0; i < p->GetPointCount() && !bSure; ++i)
            bSure = moves(p->GetPoint(i), m);
        if (bSure) break;
        unsure.push_back(p);
    }
    const std::vector<std::string> before = bSure ? std::vector<std::string>() : Lines(unsure);
    doc.Edit(sel, [&] { fn(sel, m); });
    if (!bSure && Lines(unsure) == before) return false;
    doc.CommitChange();
    return true;
}

// The selection as the list's selected flags say, in list order.
void RebuildSelection(CSchemoDoc& doc) {
    std::vector<CPrimitive*> chosen;
    for (const auto& p : doc.Primitives())
        if (p->IsSelected()) chosen.push_back(p.get());
    doc.SetSelection(chosen);
}
} // namespace

CPoint SelectionCentre(const std::vector<CPrimitive*>& prims) {
    int minX = 5000, minY = 5000, maxX = -2500, maxY = -2500;
    for (const CPrimitive* p : prims) {
        for (int i = 0; i < p->GetPointCount(); ++i) {
            const CPoint pt = p->GetPoint(i);
            minX = std::min(minX, pt.x);
            minY = std::min(minY, pt.y);
            maxX = std::max(maxX, pt.x);
            maxY = std::max(maxY, pt.y);
        }
    }
    // Points may lie anywhere in the integers: the span is taken in 64 bits.
    const auto mid = [](int lo, int hi) { return int(lo + (std::int64_t(hi) - lo) / 2); };
    return {mid(minX, maxX), mid(minY, maxY)};
}

bool CmdDelete(CSchemoDoc& doc) {
    CWaitCursor wait(doc.GetUi());
    const std::vector<CPrimitive*> sel = doc.Selection();
    if (sel.empty()) return false;
    doc.Remove(sel);
    doc.CommitChange();
    return true;
}

bool CmdRotate(CSchemoDoc& doc, const CViewCoords& coords) {
    return TransformSelection(
        doc, coords, CAP_ROTATE_ANY, [](CPoint pt, CPoint m) { return pt != m; },
        [](const std::vector<CPrimitive*>& sel, CPoint m) { TurnPrimitives(sel, m.x, m.y); });
}

bool CmdMirror(CSchemoDoc& doc, const CViewCoords& coords) {
    return TransformSelection(
        doc, coords, CAP_MIRROR_ANY, [](CPoint pt, CPoint m) { return pt.x != m.x; },
        [](const std::vector<CPrimitive*>& sel, CPoint m) { MirrorPrimitives(sel, m.x); });
}

bool CmdSelectAll(CSchemoDoc& doc, const CLayerTable& layers) {
    CWaitCursor wait(doc.GetUi());
    std::vector<CPrimitive*> chosen;
    for (const auto& p : doc.Primitives())
        if (layers.IsShown(p->GetLayer(), false)) chosen.push_back(p.get());
    doc.SetSelection(chosen);
    return true;
}

bool CmdInvertSelection(CSchemoDoc& doc, const CLayerTable& layers) {
    CWaitCursor wait(doc.GetUi());
    std::vector<CPrimitive*> chosen;
    for (const auto& p : doc.Primitives())
        if (!p->IsSelected() && layers.IsShown(p->GetLayer(), false)) chosen.push_back(p.get());
    doc.SetSelection(chosen);
    return true;
}

bool CmdSelectConnected(CSchemoDoc& doc) {
    if (doc.GetDocKind() == DOC_LIBRARY || doc.Selection().empty()) return false;
    CWaitCursor wait(doc.GetUi());
    const std::vector<const CPrimitive*> chosen(doc.Selection().begin(), doc.Selection().end());
    std::vector<CPrimitive*> all = doc.Selection();
    for (CPrimitive* p : ConnectedTo(doc.Primitives(), chosen))
        if (!p->IsSelected()) all.push_back(p);
    if (all.size() == chosen.size()) return false;
    doc.SetSelection(all);
    return true;
}

// The components keep their drawing order and coordinates; the group's
// origin is the first point of the first primitive selected.
bool CmdMakeMacro(CSchemoDoc& doc) {
    CWaitCursor wait(doc.GetUi());
    const std::vector<CPrimitive*> sel = doc.Selection();
    if (sel.empty()) return false;
    const CPoint o = sel.front()->GetPoint(0);
    auto group = std::make_unique<CMacro>(o.x, o.y);
    doc.ClearSelection();
    group->m_components = doc.TakeOut(sel);
    for (auto& c : group->m_components)
        c->SetInMacro(true);
    doc.Select(doc.Append(std::move(group)), true);
    return true;
}

bool CmdSplitMacros(CSchemoDoc& doc) {
    CWaitCursor wait(doc.GetUi());
    std::vector<CPrimitive*> keep, macros;
    for (CPrimitive* p : doc.Selection())
        (p->GetCapabilities() & CAP_MACRO ? macros : keep).push_back(p);
    if (macros.empty()) return false;
    doc.SetSelection(keep);
    std::unordered_map<CPrimitive*, std::unique_ptr<CPrimitive>> taken;
    for (auto& p : doc.TakeOut(macros))
        taken.emplace(p.get(), std::move(p));
    bool bNamed = false;
    CPrimitiveList parts;
    for (CPrimitive* m : macros) { // in selection order
        auto it = taken.find(m);
        if (it == taken.end()) continue;
        std::string name;
        if (m->GetProperty("Text", name) && !name.empty()) bNamed = true;
        CPrimitiveList& components = static_cast<CMacro&>(*it->second).GetComponents();
        for (auto& c : components) {
            c->SetSelected(true);
            c->SetInMacro(false);
            parts.push_back(std::move(c));
        }
        components.clear();
    }
    doc.Append(std::move(parts));
    RebuildSelection(doc);
    if (bNamed) doc.CommitChange();
    return true;
}

bool RunEditCommand(int nId, CSchemoDoc& doc, const CViewCoords& coords,
                    const CLayerTable& layers) {
    switch (nId) {
    case ID_EDIT_CLEAR:
        CmdDelete(doc);
        return true;
    case ID_ROTATE:
        CmdRotate(doc, coords);
        return true;
    case ID_MIRROR:
        CmdMirror(doc, coords);
        return true;
    case ID_EDIT_SELECT_ALL:
        CmdSelectAll(doc, layers);
        return true;
    case ID_INVERT_SELECTION:
        CmdInvertSelection(doc, layers);
        return true;
    case ID_SELECT_CONNECTED:
        CmdSelectConnected(doc);
        return true;
    case ID_MAKE_MACRO:
        CmdMakeMacro(doc);
        return true;
    case ID_SPLIT_MACRO:
        CmdSplitMacros(doc);
        return true;
    default:
        return false;
    }
}
