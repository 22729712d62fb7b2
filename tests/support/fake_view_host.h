#pragma once
// A view's window as the editing logic sees it, recording what it is asked.
#include "support/recording_surface.h"
#include "view/commands/frame_state.h"
#include "view/editor/view_host.h"

#include <functional>
#include <vector>

// Records what the view's logic asks of its window; the tool state is the
// frame's own, and the measuring surface measures texts with fixed metrics.
class CFakeViewHost final : public IViewHost {
  public:
    CToolState m_tools;
    int m_nLayer = 0, m_nCursor = -1, m_nBeeps = 0, m_nDialogs = 0;
    std::string m_strMacro;
    bool m_bCaptured = false, m_bTimerOn = false, m_bDialogOk = true;
    CRecordingSurface m_dc;
    std::vector<bool> m_viewMoves; // whether the zoom changed, one per call
    std::vector<int> m_timerStarts, m_commands;
    CPoint m_ptPointer{0, 0};
    std::function<void()> m_onDialog;
    std::vector<CPoint> m_menus;
    std::vector<CRect> m_overlays; // each area of the overlay repainted

    int CurrentTool() const override { return m_tools.Current(); }
    int CurrentLayer() const override { return m_nLayer; }
    std::string SelectedMacro() const override { return m_strMacro; }
    void EscapeTool() override { m_tools.Escape(); }
    void SetCapture(bool b) override { m_bCaptured = b; }
    void SetCursor(int n) override { m_nCursor = n; }
    void Beep() override { ++m_nBeeps; }
    void SetStatusText(const std::string&) override {}
    CSurface& MeasureSurface() override { return m_dc; }
    void InvalidateOverlay(const CRect& rc) override { m_overlays.push_back(rc); }
    void ViewMoved(bool bZoomChanged) override { m_viewMoves.push_back(bZoomChanged); }
    void StartTimer(int nMs) override { m_timerStarts.push_back(nMs), m_bTimerOn = true; }
    void StopTimer() override { m_bTimerOn = false; }
    CPoint PointerPosition() const override { return m_ptPointer; }
    bool RunPropertyDialog() override {
        ++m_nDialogs;
        if (m_onDialog) m_onDialog();
        return m_bDialogOk;
    }
    void ShowContextMenu(CPoint pt) override { m_menus.push_back(pt); }
    void RunCommand(int nId) override { m_commands.push_back(nId); }
};
