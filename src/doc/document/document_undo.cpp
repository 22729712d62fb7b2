// Undo and redo: the drawing brought to a state of the history. The lines the
// document and the state share stand for the same primitives, so only the
// lines between the longest shared beginning and end that the document lacks
// are read, and the views hear only of what arrived and what left.
#include "doc/document/document.h"
#include "format/reader.h"

#include <unordered_map>

namespace {
// The parts of the document's list that differ from the state's.
struct CDifference {
    std::size_t nPrefix = 0, nSuffix = 0;
    std::vector<std::size_t> removed; // document positions
    std::vector<std::size_t> kept;    // state positions of the rest, in document order
    std::vector<std::size_t> arrived; // state positions
    CPrimitiveList fresh;             // one for each of `arrived`
};

bool Same(const CHistoryLine& mine, const CHistoryLine* theirs) {
    return mine && mine == *theirs;
}

// False when the lines the two share between the ends do not keep their
// order, or a line new to the document does not read as one primitive.
bool FindDifference(const std::vector<CHistoryLine>& lines,
                    const std::vector<const CHistoryLine*>& target, CResolveContext& ctx,
                    CDifference& d) {
    const std::size_t n = lines.size(), m = target.size();
    std::size_t& p = d.nPrefix;
    std::size_t& s = d.nSuffix;
    while (p < n && p < m && Same(lines[p], target[p]))
        ++p;
    while (s < n - p && s < m - p && Same(lines[n - 1 - s], target[m - 1 - s]))
        ++s;
    std::unordered_map<const void*, std::size_t> where;
    where.reserve(m - s - p);
    for (std::size_t j = p; j < m - s; ++j)
        where.emplace(target[j]->Id(), j);
    std::vector<bool> bTaken(m - s - p);
    for (std::size_t i = p; i < n - s; ++i) {
        const auto it = lines[i] ? where.find(lines[i].Id()) : where.end();
        if (it == where.end()) {
            d.removed.push_back(i);
            continue;
        }
        if (!d.kept.empty() && d.kept.back() > it->second) return false;
        d.kept.push_back(it->second);
        bTaken[it->second - p] = true;
    }
    CPrimitiveList one;
    for (std::size_t j = p; j < m - s; ++j) {
        if (bTaken[j - p]) continue;
        ParseDrawingLines(target[j]->Text(), one, nullptr, ctx);
        if (one.size() != 1) return false;
        d.arrived.push_back(j);
        d.fresh.push_back(std::move(one.front()));
    }
    return true;
}

} // namespace

void CSchemoDoc::RestoreSnapshot() {
    std::vector<const CHistoryLine*> target;
    m_undo.CurrentLineRefs(target);
    if (!ApplyDifference(target)) RestoreWhole(target);
}

// The fresh primitives take the lines they were read from, so the next step
// writes none of them again; unless a line did not read as one primitive.
void CSchemoDoc::RestoreWhole(const std::vector<const CHistoryLine*>& target) {
    std::size_t nSize = 0;
    for (const CHistoryLine* l : target)
        nSize += l->Text().size();
    std::string text = "[TAVOLIN]\r\n";
    text.reserve(text.size() + nSize);
    for (const CHistoryLine* l : target)
        text += l->Text();
    CPrimitiveList fresh;
    ParseHeaderedText(text, &fresh, nullptr, nullptr, nullptr, nullptr, nullptr, &m_resolve);
    ReplaceAll(std::move(fresh));
    if (m_lines.size() != target.size()) return;
    for (std::size_t i = 0; i < target.size(); ++i) {
        m_lines[i] = *target[i];
        if (m_lines[i].Text().empty()) m_bEmptyLines = true;
    }
}

bool CSchemoDoc::ApplyDifference(const std::vector<const CHistoryLine*>& target) {
    CDifference d;
    if (m_bEmptyLines || m_lines.size() != m_primitives.size() ||
        !FindDifference(m_lines, target, m_resolve, d))
        return false;
    ClearSelection();
    const std::size_t p = d.nPrefix, nEnd = m_primitives.size() - d.nSuffix;
    if (!d.removed.empty()) {
        CDocChange gone;
        gone.nKind = DOCCHANGE_REMOVING;
        for (std::size_t i : d.removed)
            gone.prims.push_back(m_primitives[i].get());
        if (gone.prims.size() <= MAX_BOUNDED_CHANGE)
            gone.bBefore = UnionBounds(gone.prims, gone.rcBefore);
        Notify(gone);
    }
    // The middle as the state has it: kept primitives and fresh ones by state position.
    const std::size_t nMiddle = target.size() - d.nSuffix - p;
    CPrimitiveList middle(nMiddle);
    std::size_t k = 0, r = 0;
    for (std::size_t i = p; i < nEnd; ++i)
        if (r < d.removed.size() && d.removed[r] == i)
            ++r;
        else
            middle[d.kept[k++] - p] = std::move(m_primitives[i]);
    std::vector<CPrimitive*> arrived;
    for (std::size_t a = 0; a < d.arrived.size(); ++a) {
        arrived.push_back(d.fresh[a].get());
        middle[d.arrived[a] - p] = std::move(d.fresh[a]);
    }
    const auto first = m_primitives.begin() + std::ptrdiff_t(p);
    m_primitives.erase(first, m_primitives.begin() + std::ptrdiff_t(nEnd));
    m_primitives.insert(m_primitives.begin() + std::ptrdiff_t(p),
                        std::make_move_iterator(middle.begin()),
                        std::make_move_iterator(middle.end()));
    std::vector<CHistoryLine> lines;
    lines.reserve(nMiddle);
    for (std::size_t j = p; j < p + nMiddle; ++j)
        lines.push_back(*target[j]);
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(p), m_lines.begin() + std::ptrdiff_t(nEnd));
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(p), std::make_move_iterator(lines.begin()),
                   std::make_move_iterator(lines.end()));
    NotifyArrived(arrived, d.arrived);
    // Nothing may have arrived or left; the undo and redo commands follow anyway.
    CDocChange state;
    state.nKind = DOCCHANGE_SELECTION;
    Notify(state);
    return true;
}

// Those who keep the list's order hear where each fresh primitive sits: between
// which two of those they already know, so nothing else need be told again.
void CSchemoDoc::NotifyArrived(const std::vector<CPrimitive*>& arrived,
                               const std::vector<std::size_t>& positions) {
    if (arrived.empty()) return;
    CDocChange added;
    added.nKind = DOCCHANGE_ADDED;
    added.prims = arrived;
    const std::size_t n = arrived.size(), nList = m_primitives.size();
    if (positions.front() != nList - n) {
        added.between.resize(n);
        for (std::size_t a = 0; a < n; ++a) {
            const std::size_t j = positions[a];
            const bool bRun = a > 0 && positions[a - 1] + 1 == j;
            added.between[a].first = bRun    ? added.between[a - 1].first
                                     : j > 0 ? m_primitives[j - 1].get()
                                             : nullptr;
        }
        for (std::size_t a = n; a-- > 0;) {
            const std::size_t j = positions[a];
            const bool bRun = a + 1 < n && positions[a + 1] == j + 1;
            added.between[a].second = bRun            ? added.between[a + 1].second
                                      : j + 1 < nList ? m_primitives[j + 1].get()
                                                      : nullptr;
        }
    }
    Notify(added, true);
}
