#include "doc/undo_history.h"

void CUndoHistory::Clear(std::size_t nLimit) {
    m_texts.clear();
    m_nPos = 0;
    m_nTotal = 0;
    m_nLimit = nLimit;
}

void CUndoHistory::Push(std::string snapshot) {
    while (m_texts.size() > m_nPos) {
        m_nTotal -= m_texts.back().size();
        m_texts.pop_back();
    }
    std::size_t drop = 0;
    while (drop < m_texts.size() && m_nTotal + snapshot.size() > m_nLimit)
        m_nTotal -= m_texts[drop++].size();
    m_texts.erase(m_texts.begin(), m_texts.begin() + std::ptrdiff_t(drop));
    m_nTotal += snapshot.size();
    m_texts.push_back(std::move(snapshot));
    m_nPos = m_texts.size();
}

const std::string* CUndoHistory::Undo() {
    if (!CanUndo()) return nullptr;
    return &m_texts[--m_nPos - 1];
}

const std::string* CUndoHistory::Redo() {
    if (!CanRedo()) return nullptr;
    return &m_texts[++m_nPos - 1];
}
