// The controller driven by scripts: the drawing afterwards, the selection, the undo steps
// taken, and whether a drag is still going on.
#include "support/controller_fixture.h"

namespace {
struct CScript {
    const char* name;
    int nTool;
    const char* drawing;
    const char* steps;    // ending in '*': cancelled by Escape, and again from outside
    const char* text;     // the drawing afterwards; null: as it was
    const char* selected; // list positions
    std::size_t nEdits;   // undo steps taken
    bool bIdle = true;    // false: a new primitive or a drag follows the mouse
};

#define THREE "LI 10 10 50 10\r\nRV 100 100 140 130\r\nSA 300 300\r\n"
#define RS "RV 100 100 140 130\r\nSA 300 300\r\n" // THREE after its line moved to the end
// Three lines cross at (40, 40): each Alt click turns their order by one and picks the second.
#define HVD "LI 10 40 100 40\r\nLI 40 10 40 100\r\nLI 10 10 100 100\r\n"
// A text first, so that a restored selection must find its old place.
#define FOUR                                                                                       \
    "TY 300 300 5 3 0 0 0 * Hello\r\nLI 10 10 50 10\r\nRV 100 100 140 130\r\nSA 400 400\r\n"

// clang-format off
const CScript SCRIPTS[] = {
    {"line by drag, Escape drops the next", TOOL_LINE, "", "p10,10 m50,10 r50,10 E", "LI 10 10 50 10\r\n", "", 1},
    {"line by two clicks, the next follows", TOOL_LINE, "", "c10,10 m30,30 c50,50", "LI 10 10 50 50\r\n", "", 1, false},
    {"ellipse by two clicks", TOOL_ELLIPSE, "", "c10,10 c40,30", "EV 10 10 40 30\r\n", "0", 1},
    {"a click on the start waits", TOOL_RECTANGLE, "", "c10,10", nullptr, "", 0, false},
    {"Escape drops a rectangle being drawn", TOOL_RECTANGLE, "", "p10,10 m40,30 E", nullptr, "", 0},
    {"the right button drops a line", TOOL_LINE, "", "p10,10 m40,30 u40,30", nullptr, "", 0},
    {"polygon closed on its last vertex", TOOL_POLYGON, "", "c10,10 c50,10 c50,50 c50,50",
     "PV 10 10 50 10 50 50\r\n", "0", 1},
    {"polygon ends at its tenth vertex", TOOL_POLYGON, "",
     "c10,10 c20,30 c30,10 c40,30 c50,10 c60,30 c70,10 c80,30 c90,10 c100,30",
     "PV 10 10 20 30 30 10 40 30 50 10 60 30 70 10 80 30 90 10 100 30\r\n", "0", 1},
    {"Bezier: a drag, then two clicks", TOOL_BEZIER, "", "p10,10 m20,30 r20,30 c40,30 c50,10",
     "BE 10 10 20 30 40 30 50 10\r\n", "0", 1},
    {"a dot follows until released", TOOL_CONNECTION, "", "p10,10 m25,25 r25,25", "SA 25 25\r\n", "0", 1},
    {"Shift makes a line horizontal", TOOL_LINE, "", "c10,10 h40,13 E", "LI 10 10 40 10\r\n", "", 1},
    {"or vertical, the next from its end", TOOL_LINE, "", "c10,10 h13,40 c50,40 E", "LI 10 10 10 40\r\nLI 10 40 50 40\r\n", "", 2},
    {"a track too", TOOL_PCBLINE, "", "c10,10 h40,30 E", "PL 10 10 40 10 4\r\n", "", 1},
    {"Shift leaves a rectangle as drawn", TOOL_RECTANGLE, "", "c10,10 h40,15", "RV 10 10 40 15\r\n", "0", 1},
    {"a pad by a click", TOOL_PCBPAD, "", "c25,25", "PA 25 25 18 18 4 0\r\n", "0", 1},
    {"a macro dragged", TOOL_MACRO, "", "p200,300 m250,300 r250,300", "MC 250 300 0 0 080\r\n", "0", 1},
    {"the right button turns a macro", TOOL_MACRO, "", "p200,300 u200,300 r200,300", "MC 200 300 1 0 080\r\n", "0", 1},
    {"R turns it too", TOOL_MACRO, "", "p200,300 R R r200,300", "MC 200 300 2 0 080\r\n", "0", 1},
    {"S mirrors it", TOOL_MACRO, "", "p200,300 S r200,300", "MC 200 300 0 1 080\r\n", "0", 1},
    // The line's region reaches 5 units around it, the rectangle's 5 units around its edges.
    {"band right and down, the rectangle touched", TOOL_SELECT, THREE, "p0,0 m120,120 r120,120", nullptr, "0", 0},
    {"band left and up takes what it touches", TOOL_SELECT, THREE, "p120,120 m0,0 r0,0", nullptr, "01", 0},
    {"band up only", TOOL_SELECT, THREE, "p0,120 m120,0 r120,0", nullptr, "01", 0},
    {"band of no width", TOOL_SELECT, THREE, "p0,0 m0,400 r0,400", nullptr, "", 0},
    {"a click in empty space", TOOL_SELECT, THREE, "c30,10 c500,500", nullptr, "", 0},
    {"Ctrl+click removes, Ctrl+drag adds and moves in selection order", TOOL_SELECT, THREE,
     "c30,10 C100,115 C30,10 q30,10 m40,20 r40,20", "SA 300 300\r\nRV 110 110 150 140\r\nLI 20 20 60 20\r\n", "12", 1},
    {"a moved line goes to the end", TOOL_SELECT, THREE, "p30,10 m40,20 r40,20", RS "LI 20 20 60 20\r\n", "2", 1},
    {"Alt+click", TOOL_SELECT, HVD, "A40,40", "LI 40 10 40 100\r\nLI 10 10 100 100\r\nLI 10 40 100 40\r\n", "0", 0},
    {"Ctrl+Shift+click three times", TOOL_SELECT, HVD, "Z40,40 Z40,40 Z40,40", nullptr, "0", 0},
    // Turned about the pointer at (30, 10), mirrored about x = 30.
    {"moved away and back", TOOL_SELECT, THREE, "p30,10 m80,60 m30,10 r30,10", nullptr, "0", 0},
    {"one turn", TOOL_SELECT, THREE, "p30,10 R r30,10", RS "LI 30 -10 30 30\r\n", "2", 1},
    {"four turns", TOOL_SELECT, THREE, "p30,10 R u30,10 R R r30,10", nullptr, "0", 0},
    {"one mirror", TOOL_SELECT, THREE, "p30,10 S r30,10", RS "LI 50 10 10 10\r\n", "2", 1},
    {"a point edit moves only its point", TOOL_SELECT, THREE, "p50,10 m70,30 r70,30", RS "LI 10 10 70 30\r\n", "2", 1},
    {"a click on an end off the grid selects", TOOL_SELECT, "LI 11 11 52 12\r\n", "c52,12", nullptr, "0", 0},
    {"the last vertex onto the one before", TOOL_SELECT, "PV 10 10 50 10 50 50 10 50\r\n",
     "c30,10 p10,50 m50,50 r50,50", "PV 10 10 50 10 50 50 50 50\r\n", "0", 1},
    {"the right button picks for the menu", TOOL_SELECT, THREE, "c30,10 x100,115", nullptr, "1", 0},
    {"the right button in empty space", TOOL_SELECT, THREE, "c30,10 x500,500", nullptr, "", 0},
    {"a right press during a drag does nothing", TOOL_SELECT, THREE, "c30,10 p30,10 m40,10 x40,10 r40,10",
     RS "LI 20 10 60 10\r\n", "2", 1},
    {"cancelled band", TOOL_SELECT, FOUR, "p500,500 m600,600 *", nullptr, "", 0},
    {"cancelled point edit", TOOL_SELECT, FOUR, "c30,10 p50,10 m70,30 *", nullptr, "1", 0},
    // a text's turns change more than its point
    {"cancelled text turned and mirrored", TOOL_SELECT, FOUR, "c305,302 p305,302 m320,320 R S R *", nullptr, "0", 0},
    {"cancelled move of the first and third", TOOL_SELECT, FOUR, "c30,10 C400,400 p30,10 m70,70 *", nullptr, "13", 0},
    {"cancelled new lines", TOOL_LINE, FOUR, "c10,10 c60,60 m80,80 *", FOUR "LI 10 10 60 60\r\n", "", 1},
    {"cancelled pan", TOOL_HAND, FOUR, "p10,10 m50,50 *", nullptr, "", 0},
};
// clang-format on
} // namespace

TEST_F(ControllerTest, ScriptsLeaveTheDrawingAndTheSelectionAsExpected) {
    host.m_strMacro = "080";
    for (const CScript& s : SCRIPTS) {
        const std::string steps = s.steps;
        const bool bCancel = steps.back() == '*';
        for (const char* end :
             bCancel ? std::vector<const char*>{"E", "K"} : std::vector<const char*>{""}) {
            SCOPED_TRACE(std::string(s.name) + " " + end);
            ctl.CancelDrag();
            Load(s.drawing);
            coords.ScrollTo(0, 0);
            host.m_tools.Choose(s.nTool);
            Run(steps.substr(0, steps.size() - bCancel));
            if (bCancel) {
                ASSERT_FALSE(ctl.IsIdle());
                Run(end);
                EXPECT_EQ(host.m_tools.Current(), s.nTool); // the tool is not escaped
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
