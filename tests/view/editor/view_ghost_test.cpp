// The symbol the macro tool shows under the pointer before the press: where
// it is, how R and S turn it, that the click places it as shown, and when it
// goes.
#include "support/controller_fixture.h"

namespace {
struct CGhostScript {
    const char* name;
    const char* macro;
    const char* steps; // besides the fixture's: 'L' leave, 'T' line tool, 'M' macro 071
    const char* ghost; // the symbol shown afterwards; "" none
    const char* text;  // the drawing afterwards
    int nBeeps = 0;
};

// clang-format off
const CGhostScript SCRIPTS[] = {
    {"at the snapped pointer, not in the drawing", "080", "m201,299", "MC 200 300 0 0 080\r\n", ""},
    {"R and S before the press, placed as shown",
     "080", "m200,300 R S c200,300", "MC 200 300 1 1 080\r\n", "MC 200 300 1 1 080\r\n"},
    {"the next symbol keeps the turn", "080", "m200,300 R c200,300 m300,300",
     "MC 300 300 1 0 080\r\n", "MC 200 300 1 0 080\r\n"},
    {"another symbol starts unturned", "080", "m200,300 R L M m300,300", "MC 300 300 0 0 071\r\n", ""},
    {"gone when the pointer leaves", "080", "m200,300 L", "", ""},
    {"gone with another tool", "080", "m200,300 T", "", ""},
    {"a dragged macro hides it", "080", "p200,300 m220,300", "", ""},
    {"no symbol chosen: nothing, and a beep at the press only", "", "m200,300 c200,300", "", "", 1},
    {"a name that does not resolve", "nolib.xyz", "m200,300 m210,300 c210,300", "", "", 1},
};
// clang-format on
} // namespace

TEST_F(ControllerTest, TheMacroToolShowsItsSymbolAtThePointerBeforeThePress) {
    for (const CGhostScript& s : SCRIPTS) {
        SCOPED_TRACE(s.name);
        Load("");
        host.m_tools.Choose(TOOL_MACRO);
        host.m_strMacro = "";
        Run("m0,0"); // turns given to a symbol before stay with it
        host.m_strMacro = s.macro;
        host.m_nBeeps = 0;
        host.m_commands.clear();
        ctl.OnMouseLeave();
        std::istringstream steps(s.steps);
        for (std::string step; steps >> step;) {
            if (step == "L") ctl.OnMouseLeave();
            if (step == "M") host.m_strMacro = "071";
            if (step == "T") host.m_tools.Choose(TOOL_LINE), ctl.OnToolChanged();
            if (step != "L" && step != "M" && step != "T") Run(step);
        }
        const CMacro* ghost = ctl.Ghost();
        EXPECT_EQ(ghost ? Written(*ghost) : "", s.ghost);
        EXPECT_EQ(Text(), s.text);
        EXPECT_EQ(host.m_nBeeps, s.nBeeps);
        EXPECT_TRUE(host.m_commands.empty()); // R and S were the symbol's
        CRecordingSurface dc;
        ctl.DrawOverlay(dc);
        EXPECT_EQ(dc.m_calls.empty(), ghost == nullptr && ctl.IsIdle());
        ctl.CancelDrag();
    }
}

// The drawing moved under a pointer that stayed: the symbol is at once where
// the next move would put it (at 130 % the pointer's x 907 is unit 904.9).
TEST_F(ControllerTest, TheSymbolFollowsAZoomOrScrollUnderThePointer) {
    const struct {
        const char* how;
        int nAngleY;
        bool bCtrl;
        int nKey;
        CPoint ghost;
    } rows[] = {{"Ctrl+wheel", 120, true, 0, {905, 500}},
                {"wheel", -120, false, 0, {910, 550}},
                {"the + key", 0, false, '+', {905, 500}}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.how);
        Load("");
        coords = View(1000, 800, 1.0, {0, 0});
        host.m_tools.Choose(TOOL_MACRO);
        host.m_strMacro = "080";
        host.m_ptPointer = {907, 500};
        Run("m907,500");
        if (r.nKey) {
            ctl.OnKeyDown(r.nKey);
        } else {
            CWheelInput w;
            w.ptClient = host.m_ptPointer;
            w.nAngleY = r.nAngleY;
            w.bCtrl = r.bCtrl;
            ctl.OnWheel(w);
        }
        ASSERT_TRUE(ctl.Ghost());
        EXPECT_EQ(ctl.Ghost()->GetPoint(0), r.ghost);
    }
}
