#pragma once
// A drawing document with its spatial index, a view of 1000 x 800 pixels at
// one pixel per unit from (0, 0) with snap 5, and the view's controller.
#include "support/fake_ui.h"
#include "support/test_util.h"

#include "doc/document/document.h"
#include "doc/scene/spatial_index.h"
#include "format/resolve.h"
#include "format/writer.h"
#include "model/prototypes.h"
#include "support/recording_surface.h"
#include "view/commands/frame_state.h"
#include "view/editor/view_controller.h"
#include "view/editor/view_host.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

// A view of cx x cy device-independent pixels at dScale, scrolled to ptScroll.
inline CViewCoords View(int cx, int cy, double dScale, CPoint ptScroll) {
    CViewCoords v;
    v.SetClientSize(cx, cy);
    v.SetScale(dScale, false);
    v.ScrollTo(ptScroll.x, ptScroll.y);
    return v;
}

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
    std::vector<CRect> m_overlays; // every part of the overlay to paint again

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

class ControllerTest : public ::testing::Test {
  public:
    ControllerTest() {
        ResetPrototypes();
        doc.AddObserver(&index);
    }
    ~ControllerTest() override { doc.RemoveObserver(&index); }

    // The drawing's lines, loaded as the first undo step.
    void Load(const std::string& lines) { ASSERT_TRUE(doc.Load("[TAVOLIN]\r\n" + lines)); }
    std::string Text() const { return FormatPrimitiveLines(doc.Primitives(), false); }
    std::size_t Undos() const { return doc.History().Count(); }
    CPrimitive* At(std::size_t i) const { return doc.Primitives()[i].get(); }
    // The list positions of the selected primitives, as digits.
    std::string Selected() const {
        std::string s;
        for (std::size_t i = 0; i < doc.Primitives().size(); ++i)
            if (At(i)->IsSelected()) s += char('0' + i);
        return s;
    }

    // Steps apart by spaces, each a letter and maybe "x,y": 'p' press, 'm' move, 'r' release,
    // 'c' click, 'C' Ctrl+click, 'A' Alt+click, 'Z' Ctrl+Shift+click, 'h' Shift+click, 'q'
    // Ctrl+press, 'x' right press, 'd' double click, 'u' right release, 'M' and 'N' middle press
    // and release, 'R', 'S' and 'G' keys, 'E' Escape, 'D' Delete, 'K' the drag cancelled.
    void Run(const std::string& script) {
        std::istringstream steps(script);
        for (std::string step; steps >> step;) {
            int x = 0, y = 0;
            std::sscanf(step.c_str() + 1, "%d,%d", &x, &y);
            const char op = step[0];
            CMouseInput in;
            in.ptClient = {x, y};
            in.bCtrl = op == 'C' || op == 'q' || op == 'Z', in.bShift = op == 'Z' || op == 'h',
            in.bAlt = op == 'A';
            const bool bClick = std::strchr("cCAZh", op) != nullptr;
            if (op == 'p' || op == 'q' || bClick) ctl.OnLButtonDown(in);
            if (op == 'm') ctl.OnMouseMove(in);
            if (op == 'r' || bClick) ctl.OnLButtonUp(in);
            if (op == 'x') ctl.OnRButtonDown(in);
            if (op == 'd') ctl.OnLButtonDblClk(in);
            if (op == 'u') ctl.OnRButtonUp(in);
            if (op == 'M') ctl.OnMButtonDown(in);
            if (op == 'N') ctl.OnMButtonUp(in);
            if (op == 'R' || op == 'S' || op == 'G') ctl.OnKeyDown(op);
            if (op == 'E') ctl.OnKeyDown(KEY_ESCAPE);
            if (op == 'D') ctl.OnKeyDown(KEY_DELETE);
            if (op == 'K') ctl.CancelDrag();
        }
    }

    CFakeUi ui;
    CSpatialIndex index;
    CLibraryState m_library;
    CSchemoDoc doc{DOC_DRAWING, &ui, m_library.context};
    CViewCoords coords = View(1000, 800, 1.0, {0, 0});
    CFakeViewHost host;
    CLayerTable layers;
    CSettings settings;
    CViewController ctl{doc,
                        coords,
                        index,
                        host,
                        {layers, settings, [this](const std::string& name, CMacro& macro) {
                             return ResolveMacro(name, macro, nullptr, nullptr, m_library.context);
                         }}};
};
