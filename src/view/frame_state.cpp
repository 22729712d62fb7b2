#include "view/frame_state.h"

#include "doc/document.h"

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

void CToolState::ChooseMacroFromTree() { SetCurrent(TOOL_MACRO); }

void CToolState::Escape() {
    SetCurrent(m_nCurrentTool == TOOL_SELECT ? m_nLastTool : TOOL_SELECT);
}

std::string CUntitledNames::Next(int nDocKind) {
    switch (nDocKind) {
    case DOC_MACRO: return "Macro" + std::to_string(++m_nMacros);
    case DOC_LIBRARY: return "Libreria" + std::to_string(++m_nLibraries);
    default: return "Documento" + std::to_string(++m_nDrawings);
    }
}

std::string FrameTitle(const std::string& docName, bool bModified) {
    if (docName.empty()) return "Tavolin";
    return "Tavolin - " + docName + (bModified ? "*" : "");
}
