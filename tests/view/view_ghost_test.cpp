// The symbol the macro tool shows under the pointer before the press: where
// it is, how R and S turn it, that the click places it as shown, and when it
// goes.
#include "controller_fixture.h"

#include "view/commands.h"

namespace {
struct CGhostScript {
    const char* name;
    const char* macro;
    std::vector<ControllerTest::CStep>
        steps;         // besides the fixture's: 'L' leave, 'T' line tool, 'M' macro 071
    const char* ghost; // the symbol shown afterwards; "" none
    const char* text;  // the drawing afterwards
    int nBeeps = 0;
};

// clang-format off
const CGhostScript SCRIPTS[] = {
    {"at the snapped pointer, not in the drawing", "080", {{'m', 201, 299}}, "MC 200 300 0 0 080\r\n", ""},
    {"R and S before the press, placed as shown",
     "080", {{'m', 200, 300}, {'R'}, {'S'}, {'c', 200, 300}}, "MC 200 300 1 1 080\r\n", "MC 200 300 1 1 080\r\n"},
    {"the next symbol keeps the turn", "080", {{'m', 200, 300}, {'R'}, {'c', 200, 300}, {'m', 300, 300}},
     "MC 300 300 1 0 080\r\n", "MC 200 300 1 0 080\r\n"},
    {"another symbol starts unturned", "080", {{'m', 200, 300}, {'R'}, {'L'}, {'M'}, {'m', 300, 300}},
     "MC 300 300 0 0 071\r\n", ""},
    {"gone when the pointer leaves", "080", {{'m', 200, 300}, {'L'}}, "", ""},
    {"gone with another tool", "080", {{'m', 200, 300}, {'T'}}, "", ""},
    {"a dragged macro hides it", "080", {{'p', 200, 300}, {'m', 220, 300}}, "", ""},
    {"no symbol chosen: nothing, and a beep at the press only", "", {{'m', 200, 300}, {'c', 200, 300}}, "", "", 1},
    {"a name that does not resolve", "nolib.xyz", {{'m', 200, 300}, {'m', 210, 300}, {'c', 210, 300}}, "", "", 1},
};
// clang-format on
} // namespace

TEST_F(ControllerTest, TheMacroToolShowsItsSymbolAtThePointerBeforeThePress) {
    for (const CGhostScript& s : SCRIPTS) {
        SCOPED_TRACE(s.name);
        Load("");
        host.m_tools.Choose(TOOL_MACRO);
        host.m_strMacro = "";
        Move(0, 0); // turns given to a symbol before stay with it
        host.m_strMacro = s.macro;
        host.m_nBeeps = 0;
        host.m_commands.clear();
        ctl.OnMouseLeave();
        for (const CStep& step : s.steps) {
            if (step.op == 'L') ctl.OnMouseLeave();
            if (step.op == 'M') host.m_strMacro = "071";
            if (step.op == 'T') {
                host.m_tools.Choose(TOOL_LINE);
                ctl.OnToolChanged();
            }
            Run({step});
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
