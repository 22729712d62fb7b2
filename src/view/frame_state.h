#pragma once
// The editor's window-wide state that is not about widgets: the current and
// last tool, the names of untitled documents and the main window's title.
#include "view/commands.h"

#include <functional>
#include <string>

class CToolState {
public:
    int Current() const { return m_nCurrentTool; }
    int Last() const { return m_nLastTool; }
    // A tool command: both the current and the last tool.
    void Choose(int nTool);
    // A leaf of the macro tree: the macro tool, the last tool unchanged.
    void ChooseMacroFromTree();
    // The view's Escape: the selection tool now, then back to the last tool.
    void Escape();
    // Told of every change of the current tool, whoever makes it (not when a
    // tool is chosen again).
    std::function<void(int)> m_onChanged;

private:
    void SetCurrent(int nTool);
    int m_nCurrentTool = TOOL_SELECT;
    int m_nLastTool = TOOL_SELECT;
};

// "Documento1", "Macro1", "Libreria1": numbered per kind through the run.
class CUntitledNames {
public:
    std::string Next(int nDocKind);

private:
    int m_nDrawings = 0, m_nMacros = 0, m_nLibraries = 0;
};

// "Tavolin - name" with "*" after a modified document's name; "Tavolin" alone
// when no document is active.
std::string FrameTitle(const std::string& docName, bool bModified);
