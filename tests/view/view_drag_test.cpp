// What the controller asks of its window: the auto-scroll timer, the hand and
// the magnifier, the wheel, commands from keys and the context menu, the text
// dialog, and what the overlay draws.
#include "controller_fixture.h"

#include "view/commands.h"

TEST_F(ControllerTest, AutoScrollSpeedsUpMovesTheViewAndStopsWithTheDrag) {
    Press(500, 400);
    Move(995, 400); // near the right edge: the timer starts, the band waits
    EXPECT_EQ(host.m_timerStarts, std::vector<int>{500});
    host.m_ptPointer = {995, 400};
    for (int i = 0; i < 30; ++i)
        ctl.OnTimer();
    EXPECT_EQ(host.m_timerStarts, (std::vector<int>{500, 250, 125, 62}));
    EXPECT_EQ(coords.GetScrollPos(), (CPoint{150, 0})); // one snap step a tick
    Move(500, 400);
    EXPECT_FALSE(host.m_bTimerOn);

    const std::vector<CStep> endings[] = {{{'r', 995, 400}}, {{'u', 995, 400}}, {{'E'}}, {{'K'}}};
    for (int nTool : {TOOL_SELECT, TOOL_RECTANGLE}) {
        for (const auto& end : endings) {
            Load("LI 10 10 50 10\r\n");
            host.m_tools.Choose(nTool);
            Run({{'p', 500, 400}, {'m', 995, 400}});
            ASSERT_TRUE(host.m_bTimerOn);
            Run(end);
            EXPECT_FALSE(host.m_bTimerOn) << end[0].op;
            EXPECT_TRUE(ctl.IsIdle());
        }
    }
}

TEST_F(ControllerTest, TheHandPansUnsnappedAndTheMagnifierZooms) {
    for (bool bMiddle : {false, true}) { // the middle button with any tool, the left one aside
        coords = View(1000, 800, 1.0, {0, 0});
        host.m_tools.Choose(bMiddle ? TOOL_LINE : TOOL_HAND);
        if (bMiddle) {
            EXPECT_TRUE(ctl.OnMButtonDown(In(100, 100)));
            Click(150, 150);
            Move(152, 121);
            ctl.OnMButtonUp(In(152, 121));
        } else {
            Run({{'p', 100, 100}, {'m', 152, 121}, {'r', 152, 121}});
        }
        EXPECT_EQ(coords.GetScrollPos(), (CPoint{-52, -21}));
        EXPECT_EQ(host.m_nCursor, bMiddle ? CURSOR_CROSS : CURSOR_HAND_OPEN);
        EXPECT_FALSE(host.m_bCaptured || !doc.Primitives().empty());
    }
    host.m_tools.Choose(TOOL_ZOOM);
    host.m_viewMoves.clear();
    Click(500, 400);
    EXPECT_DOUBLE_EQ(coords.GetScale(), 1.3);
    ctl.OnRButtonDown(In(500, 400));
    EXPECT_NEAR(coords.GetScale(), 1.0, 1e-12);
    EXPECT_EQ(host.m_viewMoves, (std::vector<bool>{true, true}));
    EXPECT_TRUE(host.m_menus.empty());
}

// A wheel notch moves about 50 pixels at any zoom, only the wheel's way, and
// nothing where the sheet has no more to show that way; with Ctrl it zooms.
TEST_F(ControllerTest, TheWheelScrollsItsWayOrZoomsWithCtrl) {
    // clang-format off
    const struct { double dScale; int nPos, nNotches, nAfter; } cases[] = {
        {1.0, 100, -1, 150},   {1.0, 100, 1, 50},     {1.0, 30, 1, 0},      {1.0, 2180, -1, 2200},
        {1.0, 2200, -1, 2200}, {0.28, 500, -1, 679},  {20.0, 100, -2, 106},
        {0.2, -50, -1, 200},   {0.2, -50, 1, -50},    // after a fit
        {0.1, -250, -1, -250}, {0.1, -250, 1, -250}}; // the view is taller than the sheet
    // clang-format on
    for (const auto& c : cases) {
        coords = View(400, 300, c.dScale, {0, c.nPos});
        host.m_viewMoves.clear();
        ctl.OnWheel(CWheelInput{{10, 10}, 0, 120 * c.nNotches, false, false});
        EXPECT_EQ(host.m_viewMoves.size(), c.nAfter != c.nPos ? 1u : 0u)
            << c.dScale << " " << c.nPos;
        EXPECT_EQ(coords.GetScrollPos().y, c.nAfter) << c.dScale << " " << c.nPos;
    }
    coords = View(400, 300, 1.0, {100, 100});
    ctl.OnWheel(CWheelInput{{0, 0}, 0, -119, false, false});
    ctl.OnWheel(CWheelInput{{0, 0}, 0, -120, false, true});
    EXPECT_EQ(coords.GetScrollPos(), (CPoint{150, 100}));
    ctl.OnWheel(CWheelInput{{0, 0}, 0, 240, true, false});
    EXPECT_DOUBLE_EQ(coords.GetScale(), 1.3 * 1.3);
}

TEST_F(ControllerTest, KeysDoubleClicksAndTheRightButtonRunCommands) {
    for (int key : {int('R'), int('r'), int('S'), int(KEY_DELETE)})
        EXPECT_TRUE(ctl.OnKeyDown(key));
    EXPECT_FALSE(ctl.OnKeyDown('X'));
    EXPECT_EQ(host.m_commands, (std::vector<int>{ID_ROTATE, ID_ROTATE, ID_MIRROR, ID_EDIT_CLEAR}));
    host.m_tools.Choose(TOOL_LINE);
    ctl.OnKeyDown(KEY_ESCAPE);
    EXPECT_EQ(host.m_tools.Current(), TOOL_SELECT);
    EXPECT_EQ(host.m_nCursor, CURSOR_ARROW);

    host.m_commands.clear();
    ctl.OnLButtonDblClk(In(10, 10));
    host.m_tools.Choose(TOOL_LINE);
    ctl.OnLButtonDblClk(In(10, 10));
    Load("LI 10 10 50 10\r\n");
    host.m_tools.Choose(TOOL_SELECT);
    Run({{'c', 30, 10}, {'p', 30, 10}, {'m', 70, 70}, {'D'}}); // the drag ends first
    EXPECT_EQ(host.m_commands, (std::vector<int>{ID_PROPERTIES, ID_EDIT_CLEAR}));
    Run({{'x', 30, 10}, {'x', 500, 500}});
    EXPECT_EQ(host.m_menus, (std::vector<CPoint>{{30, 10}, {500, 500}}));
}

TEST_F(ControllerTest, TheMacroToolWithoutAMacroBeepsAndTheTextToolAsksItsDialog) {
    host.m_tools.Choose(TOOL_MACRO);
    for (const char* name : {"", "nolib.xyz"}) {
        host.m_strMacro = name;
        Click(10, 10);
    }
    EXPECT_EQ(host.m_nBeeps, 2);
    EXPECT_EQ(Text(), "");

    // The dialog edits the selection, so the text is in the drawing meanwhile.
    host.m_tools.Choose(TOOL_TEXT);
    host.m_onDialog = [this] {
        EXPECT_TRUE(ctl.IsIdle());
        EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{At(0)});
    };
    host.m_bDialogOk = false;
    Click(20, 20);
    EXPECT_EQ(host.m_nDialogs, 1);
    EXPECT_EQ(Text(), "");
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Undos(), 1u);

    host.m_bDialogOk = true;
    host.m_nLayer = 3;
    Click(20, 20);
    EXPECT_EQ(Text(), "TY 20 20 5 3 0 0 3 * Testo\r\n");
    EXPECT_EQ(Undos(), 2u);
    // A dialog that changed something has ended the edit itself.
    host.m_onDialog = [this] {
        doc.Edit(doc.Selection(), [this] { doc.Selection()[0]->SetProperty("Text", "R1"); });
        doc.CommitChange();
    };
    Click(40, 40);
    EXPECT_EQ(Undos(), 3u);
    EXPECT_EQ(Written(*At(1)), "TY 40 40 5 3 0 0 3 * R1\r\n");
}

// In red with light blue marks 10 pixels wide.
TEST_F(ControllerTest, TheOverlayShowsTheDraggedPrimitives) {
    Load("LI 10 10 50 10\r\n");
    Run({{'c', 30, 10}, {'p', 30, 10}, {'m', 40, 20}});
    CRecordingSurface dc;
    ctl.DrawOverlay(dc, 2.0);
    const std::vector<std::string> moved = {
        "line 40,40 120,40 rop=13 pen=0000ff/0 brush=none",
        "pixel 120,40 000000", // the line's end pixel keeps its layer colour
        "rectangle 30,30 50,50 rop=13 pen=ff8080/0 brush=ff8080",
        "rectangle 110,30 130,50 rop=13 pen=ff8080/0 brush=ff8080",
    };
    EXPECT_EQ(dc.m_calls, moved);
}
