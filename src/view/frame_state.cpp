#include "view/frame_state.h"

#include "doc/document.h"

#include <algorithm>

void CToolState::SetCurrent(int nTool) {
    if (nTool < 0 || nTool >= TOOL_COUNT || nTool == m_nCurrentTool) return;
    m_nCurrentTool = nTool;
    if (m_onChanged) m_onChanged(nTool);
}

void CToolState::Choose(int nTool) {
    if (nTool < 0 || nTool >= TOOL_COUNT) return;
    m_nLastTool = nTool;
    SetCurrent(nTool);
}

void CToolState::ChooseMacroFromTree() {
    SetCurrent(TOOL_MACRO);
}

void CToolState::Escape() {
    SetCurrent(m_nCurrentTool == TOOL_SELECT ? m_nLastTool : TOOL_SELECT);
}

std::string CUntitledNames::Next(int nDocKind) {
    const CDocumentKind& k = DocumentKind(nDocKind);
    return k.untitled + std::to_string(++m_nNumbers[&k - DOCUMENT_KINDS]);
}

std::string FrameTitle(const std::string& docName, bool bModified) {
    if (docName.empty()) return "Tavolin";
    return "Tavolin - " + docName + (bModified ? "*" : "");
}

void CWindowOrder::Add(int nWindow) {
    if (std::find(m_windows.begin(), m_windows.end(), nWindow) == m_windows.end())
        m_windows.push_back(nWindow);
}

void CWindowOrder::Remove(int nWindow) {
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), nWindow), m_windows.end());
}

int CWindowOrder::Step(int nActive, bool bForward) const {
    if (m_windows.empty()) return -1;
    const auto n = std::ptrdiff_t(m_windows.size());
    const auto at = std::find(m_windows.begin(), m_windows.end(), nActive) - m_windows.begin();
    if (at == n) return bForward ? m_windows.front() : m_windows.back();
    return m_windows[std::size_t((at + (bForward ? 1 : n - 1)) % n)];
}

std::string WindowMenuCaption(std::size_t nIndex, const std::string& name) {
    std::string caption = "&" + std::to_string(nIndex + 1) + " ";
    for (char c : name)
        caption += c == '&' ? std::string("&&") : std::string(1, c);
    return caption;
}
