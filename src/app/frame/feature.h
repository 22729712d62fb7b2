#pragma once
// A part of the main window that owns its state and runs its own commands of
// the command table, and what it may ask of the main window.
#include <QString>

#include <memory>

class CActions;
class CMyMDIChildWnd;
class CSchemoDoc;
class IViewFrame;
class QMainWindow;
class QMdiArea;

class IFeature {
  public:
    virtual ~IFeature() = default;
    // A command whose row in the table names this feature.
    virtual void Run(int nId) = 0;
};

class IFrameServices {
  public:
    virtual ~IFrameServices() = default;
    // The parent of dialogs, with its status bar and docks.
    virtual QMainWindow* Window() = 0;
    virtual QMdiArea* Mdi() = 0;
    virtual CActions& Actions() = 0;
    virtual IViewFrame& ViewFrame() = 0;
    virtual CMyMDIChildWnd* ActiveChild() const = 0;
    virtual CMyMDIChildWnd* NewDocument(int nDocKind) = 0;
    // A new document window: the frame follows its title, edits and activation.
    virtual void ChildAdded(CMyMDIChildWnd* child) = 0;
    virtual void ActiveChanged() = 0;
    virtual void UpdateCommands() = 0;
    virtual void UpdateTitle() = 0;
};
