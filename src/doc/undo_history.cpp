#include "doc/undo_history.h"

void CUndoHistory::Clear(std::size_t nLimit) {
    m_entries.clear();
    m_nPos = 0;
    m_nTotal = 0;
    m_nLimit = nLimit;
    m_nSavedId = 0;
}

void CUndoHistory::Push(std::string snapshot) {
    while (m_entries.size() > m_nPos) {
        m_nTotal -= m_entries.back().text.size();
        m_entries.pop_back();
    }
    std::size_t drop = 0;
    while (drop < m_entries.size() && m_nTotal + snapshot.size() > m_nLimit)
        m_nTotal -= m_entries[drop++].text.size();
    m_entries.erase(m_entries.begin(), m_entries.begin() + std::ptrdiff_t(drop));
    m_nTotal += snapshot.size();
    m_entries.push_back({std::move(snapshot), m_nNextId++});
    m_nPos = m_entries.size();
}

const std::string* CUndoHistory::Undo() {
    if (!CanUndo()) return nullptr;
    return &m_entries[--m_nPos - 1].text;
}

const std::string* CUndoHistory::Redo() {
    if (!CanRedo()) return nullptr;
    return &m_entries[++m_nPos - 1].text;
}

void CUndoHistory::MarkSaved() {
    m_nSavedId = m_nPos > 0 ? m_entries[m_nPos - 1].nId : 0;
}

bool CUndoHistory::IsAtSaved() const {
    return m_nSavedId != 0 && m_nPos > 0 && m_entries[m_nPos - 1].nId == m_nSavedId;
}
