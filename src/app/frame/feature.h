#pragma once
// A part of the main window that owns its state and runs its own commands of
// the command table, what it may ask of the main window, and what it is made
// with.
#include <QString>

#include <memory>
#include <vector>

class CActions;
class CMyMDIChildWnd;
class CSchemoDoc;
struct CSettings;
class IViewFrame;
class QMainWindow;
class QMdiArea;
class QToolBar;

class IFeature {
  public:
    virtual ~IFeature() = default;
    // A command whose row in the table names this feature.
    virtual void Run(int nId) = 0;
    // Once the main window is shown, before the files asked for are opened.
    virtual void Start() {}
    // The main window goes; its document windows are still there.
    virtual void End() {}
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
    // The document windows, hidden ones too, in the area's order.
    virtual std::vector<CMyMDIChildWnd*> Documents() const = 0;
    virtual CMyMDIChildWnd* NewDocument(int nDocKind) = 0;
    // A new document window: the frame follows its title, edits and activation.
    virtual void ChildAdded(CMyMDIChildWnd* child) = 0;
    virtual void ActiveChanged() = 0;
    virtual void UpdateCommands() = 0;
    virtual void UpdateTitle() = 0;
};

// The features by the command table's feature; null where none is made yet.
using FeatureList = std::vector<std::unique_ptr<IFeature>>;
template <class T> T& FeatureOf(const FeatureList& features, int nFeature) {
    return dynamic_cast<T&>(*features.at(std::size_t(nFeature)));
}

// What a feature is made with: the frame, the program's settings, the frame's
// toolbars and the features made before it.
struct CFeatureContext {
    IFrameServices& frame;
    const CSettings& settings;
    QToolBar* pCommonBar;
    QToolBar* pPrimitivesBar;
    const FeatureList& made;
    template <class T> T& Get(int nFeature) const { return FeatureOf<T>(made, nFeature); }
};
