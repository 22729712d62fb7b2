#pragma once
// The window's side of a view's editing logic: the frame's tool, layer and
// macro, the cursor, the status bar, the timer, dialogs and commands.
#include "view/editor/view_host.h"

#include <QImage>
#include <QTimer>

#include <memory>

class CQtSurface;
class CSchemoView;
class IViewFrame;

class CQtViewHost final : public IViewHost {
  public:
    // `frame` may be null: a view alone, with the selection tool.
    CQtViewHost(CSchemoView& view, IViewFrame* frame);
    ~CQtViewHost() override;

    int CurrentTool() const override;
    int CurrentLayer() const override;
    std::string SelectedMacro() const override;
    void EscapeTool() override;
    // Qt keeps the pointer's events while a button is held, and a two-click
    // placement follows the pointer through mouse tracking: nothing to do.
    void SetCapture(bool) override {}
    void SetCursor(int nCursor) override;
    void Beep() override;
    void SetStatusText(const std::string& text) override;
    CSurface& MeasureSurface() override;
    void InvalidateOverlay(const CRect& rcLogical) override;
    void ViewMoved(bool bZoomChanged) override;
    void StartTimer(int nMilliseconds) override;
    void StopTimer() override;
    CPoint PointerPosition() const override;
    bool RunPropertyDialog() override;
    void ShowContextMenu(CPoint ptClient) override;
    void RunCommand(int nId) override;

  private:
    CSchemoView& m_view;
    IViewFrame* m_pFrame;
    QTimer m_timer;
    QImage m_probe{1, 1, QImage::Format_RGB32};
    std::unique_ptr<CQtSurface> m_pSurface;
};
