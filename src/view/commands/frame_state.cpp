#include "view/commands/frame_state.h"

#include "doc/document/document.h"

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

int WindowStep(int nActive, int nCount, bool bForward) {
    if (nCount <= 0) return -1;
    if (nActive < 0 || nActive >= nCount) return bForward ? 0 : nCount - 1;
    return (nActive + (bForward ? 1 : nCount - 1)) % nCount;
}

std::string WindowMenuCaption(std::size_t nIndex, const std::string& name) {
    std::string caption = "&" + std::to_string(nIndex + 1) + " ";
    for (char c : name)
        caption += c == '&' ? std::string("&&") : std::string(1, c);
    return caption;
}
