#pragma once
// A drawing document with its spatial index, a view of 1000 x 800 pixels at
// one pixel per unit from (0, 0) with snap 5, and the view's controller.
#include "../doc/fake_ui.h"
#include "../test_util.h"
#include "fake_view_host.h"
#include "view_test_util.h"

#include "doc/document.h"
#include "doc/spatial_index.h"
#include "format/resolve.h"
#include "format/writer.h"
#include "model/prototypes.h"
#include "view/view_controller.h"

#include <gtest/gtest.h>

enum Mods { NONE = 0, CTRL = 1, SHIFT = 2, ALT = 4 };

class ControllerTest : public ::testing::Test {
  public:
    // One step of a script: 'p' press, 'm' move, 'r' release, 'c' click, 'C'
    // Ctrl+click, 'A' Alt+click, 'Z' Ctrl+Shift+click, 'h' Shift+click, 'q' Ctrl+press, 'u'
    // right release, 'x' right press, 'R', 'S' and 'G' keys, 'E' Escape, 'D' Delete,
    // 'K' the drag cancelled from outside.
    struct CStep {
        char op;
        int x = 0, y = 0;
    };

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

    static CMouseInput In(int x, int y, int mods = NONE) {
        CMouseInput in;
        in.ptClient = {x, y};
        in.bCtrl = (mods & CTRL) != 0;
        in.bShift = (mods & SHIFT) != 0;
        in.bAlt = (mods & ALT) != 0;
        return in;
    }
    void Press(int x, int y, int mods = NONE) { ctl.OnLButtonDown(In(x, y, mods)); }
    void Move(int x, int y) { ctl.OnMouseMove(In(x, y)); }
    void Release(int x, int y, int mods = NONE) { ctl.OnLButtonUp(In(x, y, mods)); }
    void Click(int x, int y, int mods = NONE) {
        Press(x, y, mods);
        Release(x, y, mods);
    }
    void Run(const std::vector<CStep>& steps) {
        for (const CStep& s : steps) {
            const int mods = s.op == 'C' || s.op == 'q' ? CTRL
                             : s.op == 'A'              ? ALT
                             : s.op == 'Z'              ? CTRL | SHIFT
                             : s.op == 'h'              ? SHIFT
                                                        : NONE;
            if (s.op == 'p' || s.op == 'q') Press(s.x, s.y, mods);
            if (s.op == 'm') Move(s.x, s.y);
            if (s.op == 'r') Release(s.x, s.y);
            if (std::string("cCAZh").find(s.op) != std::string::npos) Click(s.x, s.y, mods);
            if (s.op == 'x') ctl.OnRButtonDown(In(s.x, s.y));
            if (s.op == 'u') ctl.OnRButtonUp(In(s.x, s.y));
            if (s.op == 'R' || s.op == 'S' || s.op == 'G') ctl.OnKeyDown(s.op);
            if (s.op == 'E') ctl.OnKeyDown(KEY_ESCAPE);
            if (s.op == 'D') ctl.OnKeyDown(KEY_DELETE);
            if (s.op == 'K') ctl.CancelDrag();
        }
    }

    CFakeUi ui;
    CSpatialIndex index;
    CSchemoDoc doc{DOC_DRAWING, &ui};
    CViewCoords coords = View(1000, 800, 1.0, {0, 0});
    CFakeViewHost host;
    CLayerTable layers;
    CSettings settings;
    CViewController ctl{
        doc, coords, index, host, {layers, settings, [](const std::string& name, CMacro& macro) {
                                       return ResolveMacro(name, macro, nullptr, nullptr);
                                   }}};
};
