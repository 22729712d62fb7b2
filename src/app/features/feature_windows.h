#pragma once
// The document windows in the area's own opening order: the list of "Fi&nestra", the walk
// of Ctrl+Tab and Ctrl+Shift+Tab, cascade, tile and the icons.
#include "app/frame/feature.h"
#include "view/commands/frame_state.h"

#include <QObject>

class QAction;
class QMdiSubWindow;
class QMenu;

class CWindowsFeature final : public QObject, public IFeature {
    Q_OBJECT
  public:
    explicit CWindowsFeature(IFrameServices& frame) : m_frame(frame) {}
    void Run(int nId) override;
    void TrackWindow(CMyMDIChildWnd* child);
    void FillWindows(QMenu* menu, QAction* anchor);

  private:
    void StepWindow(bool bForward);
    void Activate(QMdiSubWindow* window);

    IFrameServices& m_frame;
};
