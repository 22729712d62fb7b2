#include "view/editor/drag_set.h"

#include "doc/document/document.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {
std::string TextOf(const CPrimitiveList& list) {
    std::string text, line;
    for (const auto& p : list)
        if (p->GetTextLine(line, false)) text += line;
    return text;
}

// Held primitives changed out of the document's sight: their regions are
// built again when next needed.
void ForgetRegions(const CPrimitiveList& list) {
    for (const auto& p : list)
        p->m_nRegionKey = 0;
}
} // namespace

std::vector<CPrimitive*> CDragSet::Pointers() const {
    std::vector<CPrimitive*> v;
    v.reserve(m_list.size());
    for (const auto& p : m_list)
        v.push_back(p.get());
    return v;
}

void CDragSet::TakeOut(CSchemoDoc& doc) {
    TakeOut(doc, doc.Selection());
}

void CDragSet::TakeOut(CSchemoDoc& doc, const std::vector<CPrimitive*>& sel) {
    const std::unordered_set<const CPrimitive*> chosen(sel.begin(), sel.end());
    m_positions.clear();
    const CPrimitiveList& all = doc.Primitives();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (chosen.count(all[i].get())) m_positions.push_back(i);
    m_list = doc.TakeOut(sel);
    m_before.clear();
    for (const auto& p : m_list)
        m_before.push_back(p->Clone());
}

void CDragSet::Hold(CPrimitiveList list) {
    m_list = std::move(list);
    m_before.clear();
    m_positions.clear();
}

bool CDragSet::Changed() const {
    return !FromDocument() || TextOf(m_list) != TextOf(m_before);
}

void CDragSet::PutBackAtEnd(CSchemoDoc& doc) {
    std::unordered_map<const CPrimitive*, std::size_t> index;
    for (std::size_t i = 0; i < m_list.size(); ++i)
        index[m_list[i].get()] = i;
    CPrimitiveList ordered;
    ordered.reserve(m_list.size());
    for (CPrimitive* p : doc.Selection()) {
        auto it = index.find(p);
        if (it != index.end() && m_list[it->second])
            ordered.push_back(std::move(m_list[it->second]));
    }
    for (auto& p : m_list) // no longer selected: after the others
        if (p) ordered.push_back(std::move(p));
    ForgetRegions(ordered);
    m_list.clear();
    m_before.clear();
    m_positions.clear();
    doc.PutBack(std::move(ordered));
}

// From the first position that was left on, the list holds the primitives
// that stayed, in their order: those are taken out too, and both go back
// merged by the positions remembered.
void CDragSet::PutBackInPlace(CSchemoDoc& doc) {
    if (!FromDocument()) {
        PutBackAtEnd(doc);
        return;
    }
    ForgetRegions(m_list);
    const CPrimitiveList& all = doc.Primitives();
    const std::size_t first = std::min(m_positions.front(), all.size());
    std::vector<CPrimitive*> after;
    for (std::size_t i = first; i < all.size(); ++i)
        after.push_back(all[i].get());
    CPrimitiveList stayed = doc.TakeOut(after);

    CPrimitiveList merged;
    merged.reserve(stayed.size() + m_list.size());
    std::size_t h = 0, s = 0;
    for (std::size_t pos = first; h < m_list.size() || s < stayed.size(); ++pos) {
        const bool bHeld = h < m_list.size() && (m_positions[h] == pos || s == stayed.size());
        merged.push_back(std::move(bHeld ? m_list[h++] : stayed[s++]));
    }
    m_list.clear();
    m_before.clear();
    m_positions.clear();
    doc.PutBack(std::move(merged));
}

// The copies replace the dragged primitives, which turning a text or a pad
// changes in more than its points.
void CDragSet::Restore(CSchemoDoc& doc) {
    if (m_list.empty()) return;
    if (!FromDocument()) {
        doc.Remove(Pointers()); // not in the list: only the selection lets go
        m_list.clear();
        return;
    }
    std::unordered_map<const CPrimitive*, CPrimitive*> copyOf;
    for (std::size_t i = 0; i < m_list.size(); ++i)
        copyOf[m_list[i].get()] = m_before[i].get();
    const std::vector<CPrimitive*> selection = doc.Selection();
    doc.ClearSelection();
    CPrimitiveList dragged = std::move(m_list);
    m_list = std::move(m_before);
    PutBackInPlace(doc);
    for (CPrimitive* p : selection) {
        auto it = copyOf.find(p);
        CPrimitive* q = it == copyOf.end() ? p : it->second;
        q->SetSelected(false);
        doc.Select(q, true);
    }
}
