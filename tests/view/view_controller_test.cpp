// The view's controller driven by scripts of presses, moves, releases and
// keys: what the drawing holds afterwards, what is selected, how many undo
// steps it took, and whether a drag is still going on.
#include "controller_fixture.h"

namespace {
struct CScript {
    const char* name;
    int nTool;
    const char* drawing;
    std::vector<ControllerTest::CStep> steps;
    const char* text;     // the drawing afterwards; null: as it was
    const char* selected; // list positions
    std::size_t nEdits;   // undo steps taken
    bool bIdle = true;    // false: a new primitive or a drag follows the mouse
};

const char* const THREE = "LI 10 10 50 10\r\nRV 100 100 140 130\r\nSA 300 300\r\n";
const char* const H = "LI 10 40 100 40\r\n";
const char* const V = "LI 40 10 40 100\r\n";
const char* const D = "LI 10 10 100 100\r\n";
const std::string HVD = std::string(H) + V + D, VDH = std::string(V) + D + H;

// clang-format off
const CScript SCRIPTS[] = {
    {"line by drag, Escape drops the next one", TOOL_LINE, "", {{'p', 10, 10}, {'m', 50, 10}, {'r', 50, 10}, {'E'}},
     "LI 10 10 50 10\r\n", "", 1},
    {"line by two clicks, the next follows from its end",
     TOOL_LINE, "", {{'c', 10, 10}, {'m', 30, 30}, {'c', 50, 50}},
     "LI 10 10 50 50\r\n", "", 1, false},
    {"chained lines, Escape drops only the unfinished one",
     TOOL_LINE, "", {{'c', 10, 10}, {'c', 50, 10}, {'c', 50, 50}, {'E'}},
     "LI 10 10 50 10\r\nLI 50 10 50 50\r\n", "", 2},
    {"rectangle by drag", TOOL_RECTANGLE, "", {{'p', 10, 10}, {'m', 40, 30}, {'r', 40, 30}},
     "RV 10 10 40 30\r\n", "0", 1},
    {"ellipse by two clicks", TOOL_ELLIPSE, "", {{'c', 10, 10}, {'c', 40, 30}}, "EV 10 10 40 30\r\n", "0", 1},
    {"a click on the start waits for the second point", TOOL_RECTANGLE, "", {{'c', 10, 10}}, nullptr, "", 0, false},
    {"Escape drops a rectangle being drawn", TOOL_RECTANGLE, "", {{'p', 10, 10}, {'m', 40, 30}, {'E'}},
     nullptr, "", 0},
    {"the right button drops a line being drawn", TOOL_LINE, "", {{'p', 10, 10}, {'m', 40, 30}, {'u', 40, 30}},
     nullptr, "", 0},
    {"polygon closed by clicking its last vertex again",
     TOOL_POLYGON, "", {{'c', 10, 10}, {'c', 50, 10}, {'c', 50, 50}, {'c', 50, 50}},
     "PV 10 10 50 10 50 50\r\n", "0", 1},
    {"polygon ends at its tenth vertex",
     TOOL_POLYGON, "", {{'c', 10, 10}, {'c', 20, 30}, {'c', 30, 10}, {'c', 40, 30}, {'c', 50, 10},
                        {'c', 60, 30}, {'c', 70, 10}, {'c', 80, 30}, {'c', 90, 10}, {'c', 100, 30}},
     "PV 10 10 20 30 30 10 40 30 50 10 60 30 70 10 80 30 90 10 100 30\r\n", "0", 1},
    {"Bezier: a drag, then two clicks",
     TOOL_BEZIER, "", {{'p', 10, 10}, {'m', 20, 30}, {'r', 20, 30}, {'c', 40, 30}, {'c', 50, 10}},
     "BE 10 10 20 30 40 30 50 10\r\n", "0", 1},
    {"a dot follows the mouse until released", TOOL_CONNECTION, "", {{'p', 10, 10}, {'m', 25, 25}, {'r', 25, 25}},
     "SA 25 25\r\n", "0", 1},
    {"Shift makes a line horizontal", TOOL_LINE, "", {{'c', 10, 10}, {'h', 40, 13}, {'E'}}, "LI 10 10 40 10\r\n", "", 1},
    {"or vertical, the next from its end", TOOL_LINE, "", {{'c', 10, 10}, {'h', 13, 40}, {'c', 50, 40}, {'E'}},
     "LI 10 10 10 40\r\nLI 10 40 50 40\r\n", "", 2},
    {"a track too", TOOL_PCBLINE, "", {{'c', 10, 10}, {'h', 40, 30}, {'E'}}, "PL 10 10 40 10 4\r\n", "", 1},
    {"Shift leaves a rectangle as drawn", TOOL_RECTANGLE, "", {{'c', 10, 10}, {'h', 40, 15}}, "RV 10 10 40 15\r\n", "0", 1},
    {"a pad by a click", TOOL_PCBPAD, "", {{'c', 25, 25}}, "PA 25 25 18 18 4 0\r\n", "0", 1},
    {"a macro dragged before it is placed", TOOL_MACRO, "", {{'p', 200, 300}, {'m', 250, 300}, {'r', 250, 300}},
     "MC 250 300 0 0 080\r\n", "0", 1},
    {"the right button turns a macro being placed",
     TOOL_MACRO, "", {{'p', 200, 300}, {'u', 200, 300}, {'r', 200, 300}},
     "MC 200 300 1 0 080\r\n", "0", 1},
    {"R turns it too", TOOL_MACRO, "", {{'p', 200, 300}, {'R'}, {'R'}, {'r', 200, 300}},
     "MC 200 300 2 0 080\r\n", "0", 1},
    {"S mirrors it", TOOL_MACRO, "", {{'p', 200, 300}, {'S'}, {'r', 200, 300}}, "MC 200 300 0 1 080\r\n", "0", 1},
    // The line's region reaches 5 units around it, the rectangle's 5 units around its edges.
    {"band right and down, the rectangle only touched",
     TOOL_SELECT, THREE, {{'p', 0, 0}, {'m', 120, 120}, {'r', 120, 120}},
     nullptr, "0", 0},
    {"band left and up takes what it touches", TOOL_SELECT, THREE, {{'p', 120, 120}, {'m', 0, 0}, {'r', 0, 0}},
     nullptr, "01", 0},
    {"band up only", TOOL_SELECT, THREE, {{'p', 0, 120}, {'m', 120, 0}, {'r', 120, 0}}, nullptr, "01", 0},
    {"band of no width", TOOL_SELECT, THREE, {{'p', 0, 0}, {'m', 0, 400}, {'r', 0, 400}}, nullptr, "", 0},
    {"a click in empty space", TOOL_SELECT, THREE, {{'c', 30, 10}, {'c', 500, 500}}, nullptr, "", 0},
    {"Ctrl+click removes, Ctrl+drag adds and moves all in selection order",
     TOOL_SELECT, THREE, {{'c', 30, 10}, {'C', 100, 115}, {'C', 30, 10}, {'q', 30, 10}, {'m', 40, 20}, {'r', 40, 20}},
     "SA 300 300\r\nRV 110 110 150 140\r\nLI 20 20 60 20\r\n", "12", 1},
    {"a moved line goes to the end", TOOL_SELECT, THREE, {{'p', 30, 10}, {'m', 40, 20}, {'r', 40, 20}},
     "RV 100 100 140 130\r\nSA 300 300\r\nLI 20 20 60 20\r\n", "2", 1},
    // Three lines cross at (40, 40): each Alt click turns their order by one
    // and picks the one that came second.
    {"Alt+click", TOOL_SELECT, HVD.c_str(), {{'A', 40, 40}}, VDH.c_str(), "0", 0},
    {"Ctrl+Shift+click three times", TOOL_SELECT, HVD.c_str(), {{'Z', 40, 40}, {'Z', 40, 40}, {'Z', 40, 40}},
     nullptr, "0", 0},
    // Turned about the pointer at (30, 10), mirrored about x = 30.
    {"moved away and back", TOOL_SELECT, THREE, {{'p', 30, 10}, {'m', 80, 60}, {'m', 30, 10}, {'r', 30, 10}},
     nullptr, "0", 0},
    {"one turn", TOOL_SELECT, THREE, {{'p', 30, 10}, {'R'}, {'r', 30, 10}},
     "RV 100 100 140 130\r\nSA 300 300\r\nLI 30 -10 30 30\r\n", "2", 1},
    {"four turns", TOOL_SELECT, THREE, {{'p', 30, 10}, {'R'}, {'u', 30, 10}, {'R'}, {'R'}, {'r', 30, 10}},
     nullptr, "0", 0},
    {"one mirror", TOOL_SELECT, THREE, {{'p', 30, 10}, {'S'}, {'r', 30, 10}},
     "RV 100 100 140 130\r\nSA 300 300\r\nLI 50 10 10 10\r\n", "2", 1},
    {"two mirrors", TOOL_SELECT, THREE, {{'p', 30, 10}, {'S'}, {'m', 60, 10}, {'m', 30, 10}, {'S'}, {'r', 30, 10}},
     nullptr, "0", 0},
    {"a point edit moves only its point", TOOL_SELECT, THREE, {{'p', 50, 10}, {'m', 70, 30}, {'r', 70, 30}},
     "RV 100 100 140 130\r\nSA 300 300\r\nLI 10 10 70 30\r\n", "2", 1},
    {"a click on an end off the grid selects only", TOOL_SELECT, "LI 11 11 52 12\r\n", {{'c', 52, 12}},
     nullptr, "0", 0},
    {"the last vertex onto the one before it",
     TOOL_SELECT, "PV 10 10 50 10 50 50 10 50\r\n", {{'c', 30, 10}, {'p', 10, 50}, {'m', 50, 50}, {'r', 50, 50}},
     "PV 10 10 50 10 50 50 50 50\r\n", "0", 1},
    {"the right button picks for the context menu", TOOL_SELECT, THREE, {{'c', 30, 10}, {'x', 100, 115}},
     nullptr, "1", 0},
    {"the right button in empty space", TOOL_SELECT, THREE, {{'c', 30, 10}, {'x', 500, 500}}, nullptr, "", 0},
    {"a right press during a drag does nothing",
     TOOL_SELECT, THREE, {{'c', 30, 10}, {'p', 30, 10}, {'m', 40, 10}, {'x', 40, 10}, {'r', 40, 10}},
     "RV 100 100 140 130\r\nSA 300 300\r\nLI 20 10 60 10\r\n", "2", 1},
    {"Delete during a drag cancels it first",
     TOOL_SELECT, THREE, {{'c', 30, 10}, {'p', 30, 10}, {'m', 70, 70}, {'D'}},
     nullptr, "0", 0},
};

// A text first, so that a restored selection must find its old place; each
// ended by Escape and by a cancel from outside.
const char* const FOUR =
    "TY 300 300 5 3 0 0 0 * Hello\r\nLI 10 10 50 10\r\nRV 100 100 140 130\r\nSA 400 400\r\n";
const CScript CANCELLED[] = {
    {"band", TOOL_SELECT, FOUR, {{'p', 500, 500}, {'m', 600, 600}}, nullptr, "", 0},
    {"point edit", TOOL_SELECT, FOUR, {{'c', 30, 10}, {'p', 50, 10}, {'m', 70, 30}}, nullptr, "1", 0},
    // a text's turns change more than its point
    {"moved text turned and mirrored",
     TOOL_SELECT, FOUR, {{'c', 305, 302}, {'p', 305, 302}, {'m', 320, 320}, {'R'}, {'S'}, {'R'}},
     nullptr, "0", 0},
    {"the first and the third moved",
     TOOL_SELECT, FOUR, {{'c', 30, 10}, {'C', 400, 400}, {'p', 30, 10}, {'m', 70, 70}},
     nullptr, "13", 0},
    {"new lines", TOOL_LINE, FOUR, {{'c', 10, 10}, {'c', 60, 60}, {'m', 80, 80}},
     "TY 300 300 5 3 0 0 0 * Hello\r\nLI 10 10 50 10\r\nRV 100 100 140 130\r\nSA 400 400\r\nLI 10 10 60 60\r\n",
     "", 1},
    {"pan", TOOL_HAND, FOUR, {{'p', 10, 10}, {'m', 50, 50}}, nullptr, "", 0},
};
// clang-format on
} // namespace

TEST_F(ControllerTest, ScriptsLeaveTheDrawingAndTheSelectionAsExpected) {
    host.m_strMacro = "080";
    for (bool bCancel : {false, true}) {
        for (const CScript& s :
             bCancel ? std::vector<CScript>(std::begin(CANCELLED), std::end(CANCELLED))
                     : std::vector<CScript>(std::begin(SCRIPTS), std::end(SCRIPTS))) {
            for (char end : bCancel ? std::string("EK") : std::string(" ")) {
                SCOPED_TRACE(std::string(s.name) + " " + end);
                ctl.CancelDrag();
                Load(s.drawing);
                coords.ScrollTo(0, 0);
                host.m_tools.Choose(s.nTool);
                host.m_nEscapes = 0;
                Run(s.steps);
                if (bCancel) {
                    ASSERT_FALSE(ctl.IsIdle());
                    Run({{end}});
                    EXPECT_EQ(host.m_nEscapes, 0);
                }
                EXPECT_EQ(Text(), s.text ? s.text : s.drawing);
                EXPECT_EQ(Selected(), s.selected);
                EXPECT_TRUE(!s.bIdle || doc.Selection().size() == std::string(s.selected).size());
                EXPECT_EQ(Undos() - 1, s.nEdits);
                EXPECT_EQ(doc.IsModified(), s.nEdits > 0);
                EXPECT_EQ(ctl.IsIdle(), s.bIdle);
                EXPECT_EQ(host.m_bCaptured, !s.bIdle);
            }
        }
    }
}
