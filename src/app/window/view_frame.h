#pragma once
// What a document's view asks of the main window: its tool, layer and macro,
// the Escape of the tool, the context menu and the commands.
#include <functional>
#include <string>

class QPoint;

class IViewFrame {
  public:
    virtual ~IViewFrame() = default;
    virtual int CurrentTool() const = 0;
    virtual int CurrentLayer() const = 0;
    // The macro chosen in the macro bar; empty when none.
    virtual std::string SelectedMacro() const = 0;
    virtual void EscapeTool() = 0;
    // `onClosed` runs once the menu has gone, after the command chosen in it.
    virtual void ShowContextMenu(const QPoint& ptGlobal, std::function<void()> onClosed) = 0;
    virtual void RunCommand(int nId) = 0;
};
