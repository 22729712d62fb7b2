// Ending drags: Escape and CancelDrag leave the drawing as it was, the paste
// state, the auto-scroll timer, the hand and the magnifier, the keys, and
// what the overlay draws.
#include "controller_fixture.h"

#include "view/commands.h"

namespace {
// A text first, so that a restored selection must find its old place.
const char* const FOUR =
    "TY 300 300 5 3 0 0 0 * Hello\r\nLI 10 10 50 10\r\nRV 100 100 140 130\r\nSA 400 400\r\n";

struct CCancelCase {
    const char* name;
    int nTool;
    bool bPaste;
    std::vector<ControllerTest::CStep> steps;
    std::size_t nSelected; // afterwards
    const char* added;     // finished before the cancel
};

// clang-format off
const CCancelCase CANCEL_CASES[] = {
    {"band", TOOL_SELECT, false, {{'p', 500, 500}, {'m', 600, 600}}, 0, ""},
    {"point edit", TOOL_SELECT, false, {{'c', 30, 10}, {'p', 50, 10}, {'m', 70, 30}}, 1, ""},
    // a text's turns change more than its point
    {"moved text turned and mirrored", TOOL_SELECT, false,
     {{'c', 305, 302}, {'p', 305, 302}, {'m', 320, 320}, {'R'}, {'S'}, {'R'}}, 1, ""},
    {"the first and the third moved", TOOL_SELECT, false,
     {{'c', 30, 10}, {'C', 400, 400}, {'p', 30, 10}, {'m', 70, 70}}, 2, ""},
    {"new lines", TOOL_LINE, false, {{'c', 10, 10}, {'c', 60, 60}, {'m', 80, 80}}, 0,
     "LI 10 10 60 60\r\n"},
    {"pan", TOOL_HAND, false, {{'p', 10, 10}, {'m', 50, 50}}, 0, ""},
    {"paste", TOOL_SELECT, true, {{'m', 50, 50}}, 0, ""},
};
// clang-format on
} // namespace

TEST_F(ControllerTest, EscapeAndCancelDragLeaveTheDrawingAsItWas) {
    for (bool bEscape : {true, false}) {
        for (const CCancelCase& c : CANCEL_CASES) {
            SCOPED_TRACE(std::string(c.name) + (bEscape ? " Escape" : " CancelDrag"));
            Load(FOUR);
            coords.ScrollTo(0, 0); // after the pan
            host.m_tools.Choose(c.nTool);
            if (c.bPaste) {
                CPrimitiveList list;
                list.push_back(Read("LI 1 1 2 2"));
                ctl.StartPaste(std::move(list));
            }
            Run(c.steps);
            const std::size_t nUndos = Undos();
            ASSERT_FALSE(ctl.IsIdle());
            if (bEscape)
                ctl.OnKeyDown(KEY_ESCAPE);
            else
                ctl.CancelDrag();
            EXPECT_EQ(Text(), FOUR + std::string(c.added));
            EXPECT_EQ(doc.Selection().size(), c.nSelected);
            for (const CPrimitive* p : doc.Selection())
                EXPECT_TRUE(p->IsSelected());
            EXPECT_EQ(Undos(), nUndos);
            EXPECT_EQ(doc.IsModified(), *c.added != 0);
            EXPECT_TRUE(ctl.IsIdle());
            EXPECT_FALSE(host.m_bCaptured);
            EXPECT_EQ(host.m_nEscapes, 0);
        }
    }
}

TEST_F(ControllerTest, APasteFollowsThePointerAndAlwaysCounts) {
    Load("SA 400 400\r\n");
    for (CPoint at : {CPoint{10, 10}, CPoint{100, 50}}) {
        CPrimitiveList list;
        list.push_back(Read("LI 10 10 50 10"));
        ctl.StartPaste(std::move(list));
        Move(at.x, at.y);
        Release(at.x, at.y);
    }
    EXPECT_EQ(Text(), "SA 400 400\r\nLI 10 10 50 10\r\nLI 100 50 140 50\r\n");
    EXPECT_EQ(Undos(), 3u);
    ASSERT_EQ(doc.Selection().size(), 1u);
    EXPECT_EQ(doc.Selection()[0], At(2));
}

TEST_F(ControllerTest, AutoScrollSpeedsUpAndMovesTheView) {
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
}

TEST_F(ControllerTest, EveryEndOfADragStopsTheAutoScroll) {
    const std::vector<CStep> endings[] = {{{'r', 995, 400}}, {{'u', 995, 400}}, {{'E'}}};
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
    Load("LI 10 10 50 10\r\n");
    Run({{'c', 30, 10}, {'p', 30, 10}, {'m', 40, 20}, {'m', 995, 20}});
    ASSERT_TRUE(host.m_bTimerOn);
    ctl.CancelDrag();
    EXPECT_FALSE(host.m_bTimerOn);
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
            Drag(100, 100, 152, 121);
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
    struct Case {
        double dScale;
        int nPos, nNotches, nAfter;
    } cases[] = {
        {1.0, 100, -1, 150},   {1.0, 100, 1, 50},     {1.0, 30, 1, 0},
        {1.0, 2180, -1, 2200}, {1.0, 2200, -1, 2200}, {0.28, 500, -1, 679},
        {20.0, 100, -2, 106},  {0.2, -50, -1, 200},   {0.2, -50, 1, -50}, // after a fit
        {0.1, -250, -1, -250}, {0.1, -250, 1, -250}, // the view is taller than the sheet
    };
    for (const Case& c : cases) {
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

TEST_F(ControllerTest, KeysWhenIdleRunTheCommands) {
    const std::pair<int, int> cases[] = {
        {'R', ID_ROTATE}, {'r', ID_ROTATE}, {'S', ID_MIRROR}, {KEY_DELETE, ID_EDIT_CLEAR}};
    for (const auto& [key, command] : cases) {
        host.m_commands.clear();
        EXPECT_TRUE(ctl.OnKeyDown(key));
        EXPECT_EQ(host.m_commands, std::vector<int>{command});
    }
    EXPECT_FALSE(ctl.OnKeyDown('X'));
    host.m_tools.Choose(TOOL_LINE);
    ctl.OnKeyDown(KEY_ESCAPE);
    EXPECT_EQ(host.m_tools.Current(), TOOL_SELECT);
    EXPECT_EQ(host.m_nCursor, CURSOR_ARROW);

    host.m_commands.clear();
    ctl.OnLButtonDblClk(In(10, 10));
    host.m_tools.Choose(TOOL_LINE);
    ctl.OnLButtonDblClk(In(10, 10));
    EXPECT_EQ(host.m_commands, std::vector<int>{ID_PROPERTIES});
}

TEST_F(ControllerTest, DeleteDuringADragCancelsItFirst) {
    Load("LI 10 10 50 10\r\nSA 400 400\r\n");
    Run({{'c', 30, 10}, {'p', 30, 10}, {'m', 70, 70}});
    host.m_commands.clear();
    ctl.OnKeyDown(KEY_DELETE);
    EXPECT_TRUE(ctl.IsIdle());
    EXPECT_EQ(Text(), "LI 10 10 50 10\r\nSA 400 400\r\n");
    EXPECT_EQ(host.m_commands, std::vector<int>{ID_EDIT_CLEAR});
}

// In red with light blue marks 10 pixels wide; the band as a dotted frame.
TEST_F(ControllerTest, TheOverlayShowsTheDraggedPrimitivesAndTheBand) {
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
    Release(40, 20);

    Run({{'p', 500, 500}, {'m', 490, 506}});
    CRecordingSurface band;
    ctl.DrawOverlay(band);
    // (500, 500) to (490, 505): every other pixel, 6 across the top and the
    // bottom, 2 more down each side.
    EXPECT_EQ(band.m_calls.size(), 16u);
    EXPECT_EQ(band.m_calls.front(), "rectangle 490,500 491,501 rop=13 pen=000000/0 brush=000000");
}
