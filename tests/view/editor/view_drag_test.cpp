#include "support/controller_fixture.h"

#include <climits>

TEST_F(ControllerTest, AutoScrollSpeedsUpMovesTheViewAndStopsWithTheDrag) {
    Run("p500,400 m995,400"); // near the right edge: the timer starts, the band waits
    EXPECT_EQ(host.m_timerStarts, std::vector<int>{500});
    host.m_ptPointer = {995, 400};
    for (int i = 0; i < 30; ++i)
        ctl.OnTimer();
    EXPECT_EQ(host.m_timerStarts, (std::vector<int>{500, 250, 125, 62}));
    EXPECT_EQ(coords.GetScrollPos(), (CPoint{150, 0})); // one snap step a tick
    Run("m500,400");
    EXPECT_FALSE(host.m_bTimerOn);

    for (int nTool : {TOOL_SELECT, TOOL_RECTANGLE}) {
        for (char end : std::string("ruEK")) {
            Load("LI 10 10 50 10\r\n");
            host.m_tools.Choose(nTool);
            Run("p500,400 m995,400");
            ASSERT_TRUE(host.m_bTimerOn);
            Run(std::string(1, end));
            EXPECT_FALSE(host.m_bTimerOn || !ctl.IsIdle()) << end;
        }
    }
}

TEST_F(ControllerTest, TheHandPansUnsnappedAndTheMagnifierZooms) {
    for (bool bMiddle : {false, true}) { // the middle button with any tool, the left one aside
        coords = View(1000, 800, 1.0, {0, 0});
        host.m_tools.Choose(bMiddle ? TOOL_LINE : TOOL_HAND);
        Run(bMiddle ? "M100,100 c150,150 m152,121 N152,121" : "p100,100 m152,121 r152,121");
        EXPECT_EQ(coords.GetScrollPos(), (CPoint{-52, -21}));
        EXPECT_EQ(host.m_nCursor, bMiddle ? CURSOR_CROSS : CURSOR_HAND_OPEN);
        EXPECT_FALSE(host.m_bCaptured || !doc.Primitives().empty());
    }
    coords = View(1000, 800, 1.0, {INT32_MAX - 100, INT32_MIN + 100});
    host.m_tools.Choose(TOOL_HAND);
    Run("p900,100 m0,900 r0,900"); // far out, the position stops at the integers' ends
    EXPECT_EQ(coords.GetScrollPos(), (CPoint{INT32_MAX, INT32_MIN}));
    host.m_tools.Choose(TOOL_ZOOM);
    host.m_viewMoves.clear();
    Run("c500,400");
    Run("x500,400");
    EXPECT_NEAR(coords.GetScale(), 1.0, 1e-12);
    EXPECT_TRUE(host.m_viewMoves == std::vector<bool>({true, true}) && host.m_menus.empty());
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
    const CPoint ptUnder = coords.DPtoLP({200, 100}); // Ctrl zooms about the pointer
    ctl.OnWheel(CWheelInput{{200, 100}, 0, 240, true, false});
    EXPECT_DOUBLE_EQ(coords.GetScale(), 1.3 * 1.3);
    EXPECT_EQ(coords.DPtoLP({200, 100}), ptUnder);
}

TEST_F(ControllerTest, KeysDoubleClicksAndTheRightButtonRunCommands) {
    for (int key : {int('R'), int('r'), int('S'), int(KEY_DELETE)})
        EXPECT_TRUE(ctl.OnKeyDown(key));
    EXPECT_FALSE(ctl.OnKeyDown('X'));
    EXPECT_EQ(host.m_commands, (std::vector<int>{ID_ROTATE, ID_ROTATE, ID_MIRROR, ID_EDIT_CLEAR}));
    host.m_tools.Choose(TOOL_LINE);
    ctl.OnKeyDown(KEY_ESCAPE);
    EXPECT_TRUE(host.m_tools.Current() == TOOL_SELECT && host.m_nCursor == CURSOR_ARROW);

    host.m_commands.clear();
    Run("d10,10");
    host.m_tools.Choose(TOOL_LINE);
    Run("d10,10");
    Load("LI 10 10 50 10\r\n");
    host.m_tools.Choose(TOOL_SELECT);
    Run("c30,10 p30,10 m70,70 D"); // the drag is cancelled first
    EXPECT_TRUE(ctl.IsIdle() && Text() == "LI 10 10 50 10\r\n");
    EXPECT_EQ(host.m_commands, (std::vector<int>{ID_PROPERTIES, ID_EDIT_CLEAR}));
    Run("x30,10 x500,500");
    EXPECT_EQ(host.m_menus, (std::vector<CPoint>{{30, 10}, {500, 500}}));
}

TEST_F(ControllerTest, TheMacroToolWithoutAMacroBeepsAndTheTextToolAsksItsDialog) {
    host.m_tools.Choose(TOOL_MACRO);
    for (const char* name : {"", "nolib.xyz"}) {
        host.m_strMacro = name;
        Run("c10,10");
    }
    EXPECT_TRUE(host.m_nBeeps == 2 && Text().empty());

    // The dialog edits the selection, so the text is in the drawing meanwhile.
    host.m_tools.Choose(TOOL_TEXT);
    host.m_onDialog = [this] {
        EXPECT_TRUE(ctl.IsIdle());
        EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{At(0)});
    };
    host.m_bDialogOk = false;
    Run("c20,20");
    EXPECT_TRUE(host.m_nDialogs == 1 && Text().empty() && doc.Selection().empty());
    EXPECT_FALSE(doc.IsModified() || doc.CanUndo());

    host.m_bDialogOk = true;
    host.m_nLayer = 3;
    Run("c20,20");
    EXPECT_EQ(Text(), "TY 20 20 5 3 0 0 3 * Testo\r\n");
    EXPECT_EQ(Undos(), 2u);
}

TEST_F(ControllerTest, APasteFromTheEndsOfTheIntegersSaturatesInsteadOfWrapping) {
    const struct {
        const char *line, *placed;
    } cases[] = {{"LI -2147483600 0 -2147483590 0", "LI 47 100 57 100\r\n"},
                 {"SA 0 -2147483640", "SA 100 7\r\n"}};
    for (const auto& c : cases) {
        Load("");
        CPrimitiveList list;
        list.push_back(Read(c.line));
        ctl.StartPaste(std::move(list));
        Run("m100,100 r100,100");
        EXPECT_EQ(Text(), c.placed) << c.line;
    }
    CPrimitiveList list;
    list.push_back(Read("LI 2147483000 2147483000 2147483647 2147483647"));
    ctl.StartPaste(std::move(list));
    const CRect rc = host.m_overlays.back();
    EXPECT_TRUE(rc.left <= 2147483000 && rc.right == INT_MAX && rc.bottom == INT_MAX);
}
