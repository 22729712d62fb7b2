// The document's one way to change its drawing, and the notifications.
#include "doc/document/document.h"

#include <algorithm>
#include <unordered_set>

bool UnionBounds(const std::vector<CPrimitive*>& prims, CRect& rect) {
    CRect box{0, 0, -1, -1};
    for (const CPrimitive* p : prims)
        GrowRect(box, p->GetBounds());
    if (!HasBounds(box)) return false;
    rect = box;
    return true;
}

void CSchemoDoc::AddObserver(IDocumentObserver* o) {
    if (std::find(m_observers.begin(), m_observers.end(), o) == m_observers.end())
        m_observers.push_back(o);
}

void CSchemoDoc::RemoveObserver(IDocumentObserver* o) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), o), m_observers.end());
}

// Bounds are worked out only when somebody listens; the rectangle after the
// change from the primitives told of, when asked.
void CSchemoDoc::Notify(CDocChange& change, bool bBoundsAfter) {
    if (m_observers.empty()) return;
    if (bBoundsAfter && change.prims.size() <= MAX_BOUNDED_CHANGE)
        change.bAfter = UnionBounds(change.prims, change.rcAfter);
    const auto observers = m_observers; // an observer may leave while told
    for (IDocumentObserver* o : observers)
        o->OnDocumentChanged(change);
}

CPrimitive* CSchemoDoc::Append(std::unique_ptr<CPrimitive> p) {
    CPrimitiveList one;
    one.push_back(std::move(p));
    CPrimitive* raw = one.front().get();
    Append(std::move(one));
    return raw;
}

void CSchemoDoc::Append(CPrimitiveList list) {
    if (list.empty()) return;
    CDocChange change;
    change.nKind = DOCCHANGE_ADDED;
    change.prims = Pointers(list);
    m_primitives.reserve(m_primitives.size() + list.size());
    for (auto& p : list)
        m_primitives.push_back(std::move(p));
    m_lines.resize(m_primitives.size()); // what comes in may have changed while out
    Notify(change, true);
}

void CSchemoDoc::Remove(const std::vector<CPrimitive*>& prims) {
    const PrimitiveSet set(prims.begin(), prims.end());
    TakeOutSet(set); // deleted here
    m_selection.erase(std::remove_if(m_selection.begin(), m_selection.end(),
                                     [&](CPrimitive* p) { return set.count(p) != 0; }),
                      m_selection.end());
}

CPrimitiveList CSchemoDoc::TakeOut(const std::vector<CPrimitive*>& prims) {
    return TakeOutSet(PrimitiveSet(prims.begin(), prims.end()));
}

CPrimitiveList CSchemoDoc::TakeOutSet(const PrimitiveSet& set) {
    CDocChange change;
    change.nKind = DOCCHANGE_REMOVING;
    for (const auto& p : m_primitives)
        if (set.count(p.get())) change.prims.push_back(p.get());
    if (change.prims.empty()) return {};
    if (!m_observers.empty() && change.prims.size() <= MAX_BOUNDED_CHANGE)
        change.bBefore = UnionBounds(change.prims, change.rcBefore);
    Notify(change);
    CPrimitiveList out;
    std::size_t nKept = 0;
    for (std::size_t i = 0; i < m_primitives.size(); ++i) {
        if (set.count(m_primitives[i].get())) {
            out.push_back(std::move(m_primitives[i]));
        } else {
            m_lines[nKept] = std::move(m_lines[i]);
            m_primitives[nKept++] = std::move(m_primitives[i]);
        }
    }
    m_primitives.resize(nKept);
    m_lines.resize(nKept);
    return out;
}

void CSchemoDoc::ReplaceAll(CPrimitiveList list) {
    CDocChange gone;
    gone.nKind = DOCCHANGE_RESET;
    if (!m_observers.empty()) gone.bBefore = UnionBounds(Pointers(m_primitives), gone.rcBefore);
    m_selection.clear();
    while (!m_primitives.empty())
        m_primitives.pop_back(); // the last first
    m_primitives = std::move(list);
    m_lines.assign(m_primitives.size(), CHistoryLine());
    m_bEmptyLines = false;
    if (m_observers.empty()) return;
    gone.prims = Pointers(m_primitives);
    Notify(gone, true);
}

void CSchemoDoc::NotifyGeometry(const std::vector<CPrimitive*>& prims, const CRect& before) {
    for (CPrimitive* p : prims)
        p->m_nRegionKey = 0;
    ForgetLines(prims);
    CDocChange change;
    change.nKind = DOCCHANGE_GEOMETRY;
    change.prims = prims;
    change.rcBefore = before;
    change.bBefore = HasBounds(before);
    Notify(change, true);
}

// A change of a large share of the drawing forgets every line: they are
// nearly all to be written again anyway, and no set is built.
void CSchemoDoc::ForgetLines(const std::vector<CPrimitive*>& prims) {
    if (prims.size() * 4 >= m_primitives.size()) {
        m_lines.assign(m_primitives.size(), CHistoryLine());
        return;
    }
    if (prims.size() == 1) {
        for (std::size_t i = 0; i < m_primitives.size(); ++i)
            if (m_primitives[i].get() == prims.front()) {
                m_lines[i].reset();
                break;
            }
        return;
    }
    const PrimitiveSet set(prims.begin(), prims.end());
    for (std::size_t i = 0; i < m_primitives.size(); ++i)
        if (set.count(m_primitives[i].get())) m_lines[i].reset();
}

void CSchemoDoc::RotateOrder(const std::vector<std::size_t>& positions) {
    if (positions.size() < 2) return;
    for (std::size_t k : positions)
        if (k >= m_primitives.size()) return;
    auto first = std::move(m_primitives[positions.front()]);
    auto firstLine = std::move(m_lines[positions.front()]);
    for (std::size_t i = 1; i < positions.size(); ++i) {
        m_primitives[positions[i - 1]] = std::move(m_primitives[positions[i]]);
        m_lines[positions[i - 1]] = std::move(m_lines[positions[i]]);
    }
    m_primitives[positions.back()] = std::move(first);
    m_lines[positions.back()] = std::move(firstLine);
    CDocChange change;
    change.nKind = DOCCHANGE_REORDERED;
    for (std::size_t k : positions)
        change.prims.push_back(m_primitives[k].get());
    Notify(change);
}

void CSchemoDoc::Select(CPrimitive* p, bool bSelected) {
    if (p->IsSelected() == bSelected) return;
    p->SetSelected(bSelected);
    if (bSelected)
        m_selection.push_back(p);
    else
        m_selection.erase(std::remove(m_selection.begin(), m_selection.end(), p),
                          m_selection.end());
    CDocChange change;
    change.nKind = DOCCHANGE_SELECTION;
    change.prims = {p};
    Notify(change, true);
}

void CSchemoDoc::ClearSelection() {
    CDocChange change;
    change.nKind = DOCCHANGE_SELECTION;
    change.prims = m_selection;
    for (CPrimitive* p : m_selection)
        p->SetSelected(false);
    m_selection.clear();
    if (change.prims.empty()) return;
    Notify(change, true);
}

// The flags tell who was chosen before and after, so no set is built: a
// select all of a large drawing stays linear.
void CSchemoDoc::SetSelection(const std::vector<CPrimitive*>& prims) {
    CDocChange change;
    change.nKind = DOCCHANGE_SELECTION;
    for (CPrimitive* p : prims)
        if (!p->IsSelected()) change.prims.push_back(p);
    for (CPrimitive* p : m_selection)
        p->SetSelected(false);
    for (CPrimitive* p : prims)
        p->SetSelected(true);
    for (CPrimitive* p : m_selection)
        if (!p->IsSelected()) change.prims.push_back(p);
    m_selection = prims;
    if (!change.prims.empty()) Notify(change, true);
}

void CSchemoDoc::SetModified(bool bModified) {
    m_bChangedOutside = bModified;
    if (!bModified) m_undo.MarkSaved();
    UpdateModified();
}

void CSchemoDoc::UpdateModified() {
    const bool bModified = m_bChangedOutside || !m_undo.IsAtSaved();
    if (m_bModified == bModified) return;
    m_bModified = bModified;
    CDocChange change;
    change.nKind = DOCCHANGE_MODIFIED;
    Notify(change);
}

void CSchemoDoc::NotifyAppearance() {
    CDocChange change;
    change.nKind = DOCCHANGE_APPEARANCE;
    Notify(change);
}
