// Creating primitives with the drawing tools: what the document holds after
// each sequence of presses, moves and releases, and how many edits it took.
#include "controller_fixture.h"

#include "view/commands.h"

namespace {
struct CCreateCase {
    const char* name;
    int nTool;
    std::vector<ControllerTest::CStep> steps;
    const char* text;   // the drawing afterwards
    bool bIdle;         // false: a new primitive follows the mouse
    std::size_t nEdits; // undo steps taken
};

// clang-format off
const CCreateCase CREATE_CASES[] = {
    {"line by drag, Escape drops the next one", TOOL_LINE,
     {{'p', 10, 10}, {'m', 50, 10}, {'r', 50, 10}, {'E'}}, "LI 10 10 50 10\r\n", true, 1},
    {"line by two clicks, the next follows from its end", TOOL_LINE,
     {{'c', 10, 10}, {'m', 30, 30}, {'c', 50, 50}}, "LI 10 10 50 50\r\n", false, 1},
    {"chained lines, Escape drops only the unfinished one", TOOL_LINE,
     {{'c', 10, 10}, {'c', 50, 10}, {'c', 50, 50}, {'E'}},
     "LI 10 10 50 10\r\nLI 50 10 50 50\r\n", true, 2},
    {"tracks chain too", TOOL_PCBLINE, {{'c', 10, 10}, {'c', 50, 10}, {'E'}},
     "PL 10 10 50 10 4\r\n", true, 1},
    {"rectangle by drag", TOOL_RECTANGLE, {{'p', 10, 10}, {'m', 40, 30}, {'r', 40, 30}},
     "RV 10 10 40 30\r\n", true, 1},
    {"ellipse by two clicks", TOOL_ELLIPSE, {{'c', 10, 10}, {'c', 40, 30}},
     "EV 10 10 40 30\r\n", true, 1},
    {"a click on the start waits for the second point", TOOL_RECTANGLE, {{'c', 10, 10}},
     "", false, 0},
    {"Escape drops a rectangle being drawn", TOOL_RECTANGLE,
     {{'p', 10, 10}, {'m', 40, 30}, {'E'}}, "", true, 0},
    {"the right button drops a line being drawn", TOOL_LINE,
     {{'p', 10, 10}, {'m', 40, 30}, {'u', 40, 30}}, "", true, 0},
    {"polygon closed by clicking its last vertex again", TOOL_POLYGON,
     {{'c', 10, 10}, {'c', 50, 10}, {'c', 50, 50}, {'c', 50, 50}},
     "PV 10 10 50 10 50 50\r\n", true, 1},
    {"polygon ends at its tenth vertex", TOOL_POLYGON,
     {{'c', 10, 10}, {'c', 20, 30}, {'c', 30, 10}, {'c', 40, 30}, {'c', 50, 10},
      {'c', 60, 30}, {'c', 70, 10}, {'c', 80, 30}, {'c', 90, 10}, {'c', 100, 30}},
     "PV 10 10 20 30 30 10 40 30 50 10 60 30 70 10 80 30 90 10 100 30\r\n", true, 1},
    {"Bezier: a drag, then two clicks", TOOL_BEZIER,
     {{'p', 10, 10}, {'m', 20, 30}, {'r', 20, 30}, {'c', 40, 30}, {'c', 50, 10}},
     "BE 10 10 20 30 40 30 50 10\r\n", true, 1},
    {"a dot follows the mouse until released", TOOL_CONNECTION,
     {{'p', 10, 10}, {'m', 25, 25}, {'r', 25, 25}}, "SA 25 25\r\n", true, 1},
    {"a pad by a click", TOOL_PCBPAD, {{'c', 25, 25}}, "PA 25 25 18 18 4 0\r\n", true, 1},
    {"a macro by a click", TOOL_MACRO, {{'c', 200, 300}}, "MC 200 300 0 0 080\r\n", true, 1},
    {"a macro dragged before it is placed", TOOL_MACRO,
     {{'p', 200, 300}, {'m', 250, 300}, {'r', 250, 300}}, "MC 250 300 0 0 080\r\n", true, 1},
    {"the right button turns a macro being placed", TOOL_MACRO,
     {{'p', 200, 300}, {'u', 200, 300}, {'r', 200, 300}}, "MC 200 300 1 0 080\r\n", true, 1},
    {"R turns it too", TOOL_MACRO, {{'p', 200, 300}, {'R'}, {'R'}, {'r', 200, 300}},
     "MC 200 300 2 0 080\r\n", true, 1},
    {"S mirrors it", TOOL_MACRO, {{'p', 200, 300}, {'S'}, {'r', 200, 300}},
     "MC 200 300 0 1 080\r\n", true, 1},
};
// clang-format on
} // namespace

TEST_F(ControllerTest, DrawingToolsCreateWhatTheClicksPlace) {
    for (const CCreateCase& c : CREATE_CASES) {
        SCOPED_TRACE(c.name);
        ctl.CancelDrag();
        doc.DeleteContents();
        doc.SetModified(false);
        host.m_tools.Choose(c.nTool);
        host.m_strMacro = "080";
        const std::size_t nBefore = Undos();
        Run(c.steps);
        EXPECT_EQ(Text(), c.text);
        EXPECT_EQ(ctl.IsIdle(), c.bIdle);
        EXPECT_EQ(host.m_bCaptured, !c.bIdle);
        EXPECT_EQ(doc.IsModified(), c.nEdits > 0);
        EXPECT_EQ(Undos() - nBefore, c.nEdits);
    }
}

TEST_F(ControllerTest, ANewPrimitiveTakesTheCurrentLayer) {
    host.m_tools.Choose(TOOL_CONNECTION);
    host.m_nLayer = 3;
    Click(10, 10);
    EXPECT_EQ(Text(), "SA 10 10 3\r\n");
}

TEST_F(ControllerTest, AMacroToolWithoutAResolvableMacroOnlyBeeps) {
    host.m_tools.Choose(TOOL_MACRO);
    for (const char* name : {"", "nolib.xyz"}) {
        host.m_strMacro = name;
        host.m_nBeeps = 0;
        Click(10, 10);
        EXPECT_EQ(host.m_nBeeps, 1) << name;
        EXPECT_TRUE(ctl.IsIdle());
        EXPECT_EQ(Text(), "");
    }
}

// The dialog edits the selection, so the text is in the drawing meanwhile.
TEST_F(ControllerTest, ATextIsKeptOnlyWhenItsDialogEndsWithOk) {
    host.m_tools.Choose(TOOL_TEXT);
    host.m_onDialog = [this] {
        EXPECT_TRUE(ctl.IsIdle());
        ASSERT_EQ(doc.Selection().size(), 1u);
        EXPECT_EQ(doc.Selection()[0], At(0));
    };
    host.m_bDialogOk = false;
    Click(20, 20);
    EXPECT_EQ(host.m_nDialogs, 1);
    EXPECT_EQ(Text(), "");
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Undos(), 1u); // the empty drawing a new document starts with

    host.m_bDialogOk = true;
    Click(20, 20);
    EXPECT_EQ(Text(), "TY 20 20 5 3 0 0 0 * Testo\r\n");
    EXPECT_EQ(Undos(), 2u);

    // A dialog that changed something has ended the edit itself.
    host.m_onDialog = [this] {
        doc.Edit(doc.Selection(), [this] { doc.Selection()[0]->SetProperty("Text", "R1"); });
        doc.CommitChange();
    };
    Click(40, 40);
    EXPECT_EQ(Text(), "TY 20 20 5 3 0 0 0 * Testo\r\nTY 40 40 5 3 0 0 0 * R1\r\n");
    EXPECT_EQ(Undos(), 3u);
}

TEST_F(ControllerTest, ThePointerShowsWhereItIs) {
    Move(100, 200);
    EXPECT_EQ(host.m_strStatus, "(100,200) (12.70 mm, 25.40 mm)");
    EXPECT_EQ(host.m_nCursor, CURSOR_ARROW);
    host.m_tools.Choose(TOOL_LINE);
    Move(101, 200);
    EXPECT_EQ(host.m_strStatus, "(100,200) (12.70 mm, 25.40 mm)"); // snapped
    EXPECT_EQ(host.m_nCursor, CURSOR_CROSS);
}
