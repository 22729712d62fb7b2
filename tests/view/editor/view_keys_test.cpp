// The keys that choose tools, zoom and fit: through the command table to the
// host while idle, nothing during a drag.
#include "support/controller_fixture.h"

TEST_F(ControllerTest, ToolAndZoomKeysActOnlyWhileIdle) {
    const int HOME = KEY_HOME;
    // clang-format off
    const struct {
        std::vector<int> keys;
        CPoint ptPointer;
        const char* taken; // per key
        std::vector<int> commands;
        double dScale;
        CPoint ptScroll;
        bool bDrag = false; // a line is being drawn
    } rows[] = {
        {{'L', 't', 'C', 'b', 'P', 'e', 'Q', 'm', 'I', 'a', 'H', 'Z', HOME}, {0, 0}, "1111111111111",
         {ID_TOOL_LINE, ID_TOOL_TEXT, ID_TOOL_CONNECTION, ID_TOOL_BEZIER, ID_TOOL_POLYGON, ID_TOOL_ELLIPSE,
          ID_TOOL_RECTANGLE, ID_TOOL_MACRO, ID_TOOL_PCBLINE, ID_TOOL_PCBPAD, ID_TOOL_HAND, ID_TOOL_ZOOM, ID_FIT},
         1.0, {0, 0}},
        {{'X', 'o', '1', '='}, {0, 0}, "0000", {}, 1.0, {0, 0}},
        {{'+'}, {100, 50}, "1", {}, 1.3, {23, 12}},
        {{'+', '-'}, {100, 50}, "11", {}, 1.0, {0, 0}},
        {{'-'}, {100, 50}, "1", {}, 1 / 1.3, {-30, -15}},
        {{'+'}, {-5, 0}, "1", {}, 1.3, {115, 92}}, // about the middle when the pointer is outside
        {{'L', '+', HOME}, {100, 50}, "000", {}, 1.0, {0, 0}, true},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.taken);
        ctl.CancelDrag();
        coords = View(1000, 800, 1.0, {0, 0});
        host.m_commands.clear();
        host.m_ptPointer = r.ptPointer;
        host.m_tools.Choose(r.bDrag ? TOOL_LINE : TOOL_SELECT);
        if (r.bDrag) Run("c10,10");
        for (std::size_t i = 0; i < r.keys.size(); ++i)
            EXPECT_EQ(ctl.OnKeyDown(r.keys[i]), r.taken[i] == '1') << i;
        EXPECT_EQ(host.m_commands, r.commands);
        EXPECT_DOUBLE_EQ(coords.GetScale(), r.dScale);
        EXPECT_EQ(coords.GetScrollPos(), r.ptScroll);
    }
}
