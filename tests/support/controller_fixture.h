#pragma once
// A drawing document with its spatial index, a view of 1000 x 800 pixels at
// one pixel per unit from (0, 0) with snap 5, and the view's controller.
#include "support/core_test.h"
#include "support/fake_view_host.h"

#include "doc/scene/spatial_index.h"
#include "view/commands/frame_state.h"
#include "view/editor/view_controller.h"
#include "view/editor/view_host.h"

// A view of cx x cy device-independent pixels at dScale, scrolled to ptScroll.
inline CViewCoords View(int cx, int cy, double dScale, CPoint ptScroll) {
    CViewCoords v;
    v.SetClientSize(cx, cy);
    v.SetScale(dScale, false);
    v.ScrollTo(ptScroll.x, ptScroll.y);
    return v;
}

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
