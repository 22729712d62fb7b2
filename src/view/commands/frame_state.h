#pragma once
// The editor's window-wide state that is not about widgets: the current and
// last tool, the names of untitled documents, the order of the document
// windows and the main window's title.
#include "view/commands/commands.h"
#include "view/forms/document_kinds.h"

#include <functional>
#include <string>
#include <vector>

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
    int m_nNumbers[NUM_DOCUMENT_KINDS] = {};
};

// "Tavolin - name" with "*" after a modified document's name; "Tavolin" alone
// when no document is active.
std::string FrameTitle(const std::string& docName, bool bModified);

// The open document windows in the order they were opened: the list at the end
// of "Fi&nestra" and the walk of Ctrl+Tab and Ctrl+Shift+Tab. A window is
// known by a number its owner gives it.
// Of nCount windows in their opening order, the one after (or before) the
// active one, wrapping around; the first (or last) when none is active (-1);
// -1 when none is open.
int WindowStep(int nActive, int nCount, bool bForward);

// "&1 esempio.tvd": the menu item of the window at `nIndex` (from 0); an "&"
// of the name stays a character.
std::string WindowMenuCaption(std::size_t nIndex, const std::string& name);
