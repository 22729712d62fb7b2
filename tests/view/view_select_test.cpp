// The select tool: bands, Ctrl and Alt picks, moving, turning and mirroring
// the selection, point edits, and what counts as a change.
#include "controller_fixture.h"

#include "view/commands.h"

namespace {
const char* const THREE = "LI 10 10 50 10\r\nRV 100 100 140 130\r\nSA 300 300\r\n";

// The list positions of the selected primitives, as digits.
std::string Selected(const CSchemoDoc& doc) {
    std::string s;
    for (std::size_t i = 0; i < doc.Primitives().size(); ++i)
        if (doc.Primitives()[i]->IsSelected()) s += char('0' + i);
    return s;
}

struct CBandCase {
    CPoint from, to;
    const char* selected;
};
// The line's region reaches 5 units around it, the rectangle's 5 units around its edges.
const CBandCase BAND_CASES[] = {
    {{0, 0}, {60, 20}, "0"},                             // right and down: wholly inside
    {{0, 0}, {120, 120}, "0"},                           // the rectangle is only touched
    {{120, 120}, {0, 0}, "01"},                          // left and up: touched is enough
    {{0, 120}, {120, 0}, "01"},                          // up only
    {{0, 0}, {400, 400}, "012"}, {{0, 0}, {0, 400}, ""}, // no width
};
} // namespace

TEST_F(ControllerTest, ABandTakesWhatItHoldsOrWhatItTouchesByDirection) {
    Load(THREE);
    for (const CBandCase& c : BAND_CASES) {
        SCOPED_TRACE(std::to_string(c.to.x) + "," + std::to_string(c.to.y));
        doc.ClearSelection();
        Drag(c.from.x, c.from.y, c.to.x, c.to.y);
        EXPECT_EQ(Selected(doc), c.selected);
        EXPECT_TRUE(ctl.IsIdle());
        EXPECT_FALSE(doc.IsModified());
    }
    Click(500, 500); // empty space
    EXPECT_EQ(Selected(doc), "");
}

TEST_F(ControllerTest, CtrlClickAddsAndRemovesAndADragMovesTheWholeSelection) {
    Load(THREE);
    Click(30, 10);
    Click(100, 115, CTRL);
    EXPECT_EQ(Selected(doc), "01");
    Click(30, 10, CTRL);
    EXPECT_EQ(Selected(doc), "1");
    Press(30, 10, CTRL);
    Move(40, 20);
    Release(40, 20, CTRL);
    EXPECT_EQ(Text(), "SA 300 300\r\nRV 110 110 150 140\r\nLI 20 20 60 20\r\n"); // selection order
    EXPECT_EQ(Undos(), 2u);
}

// Three lines cross at (40, 40): each Alt click turns their order by one
// and picks the one that came second; the drawing is not modified.
TEST_F(ControllerTest, AltClickCyclesThroughWhatLiesUnderThePointer) {
    const std::string h = "LI 10 40 100 40\r\n", v = "LI 40 10 40 100\r\n",
                      d = "LI 10 10 100 100\r\n";
    for (int mods : {int(ALT), CTRL | SHIFT}) {
        Load(h + v + d);
        Click(40, 40, mods);
        EXPECT_EQ(Text(), v + d + h);
        EXPECT_EQ(Selected(doc), "0");
        Click(40, 40, mods);
        EXPECT_EQ(Text(), d + h + v);
        Click(40, 40, mods);
        EXPECT_EQ(Text(), h + v + d);
        EXPECT_EQ(Selected(doc), "0");
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(Undos(), 1u);
    }
}

TEST_F(ControllerTest, AMovedSelectionGoesToTheEndAsOneEdit) {
    Load(THREE);
    Drag(30, 10, 40, 20);
    EXPECT_EQ(Text(), "RV 100 100 140 130\r\nSA 300 300\r\nLI 20 20 60 20\r\n");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Undos(), 2u);
    EXPECT_EQ(Selected(doc), "2");
}

struct CInPlaceCase {
    const char* name;
    std::vector<ControllerTest::CStep> steps; // after the press at (30, 10)
    const char* line;                         // the line afterwards
};
// Turned about the pointer at (30, 10), mirrored about x = 30.
const CInPlaceCase IN_PLACE_CASES[] = {
    {"moved away and back", {{'m', 80, 60}, {'m', 30, 10}}, nullptr},
    {"one turn", {{'R'}}, "LI 30 -10 30 30\r\n"},
    {"two turns by the right button", {{'u', 30, 10}, {'u', 30, 10}}, "LI 50 10 10 10\r\n"},
    {"four turns", {{'R'}, {'u', 30, 10}, {'R'}, {'R'}}, nullptr},
    {"one mirror", {{'S'}}, "LI 50 10 10 10\r\n"},
    {"two mirrors", {{'S'}, {'m', 60, 10}, {'m', 30, 10}, {'S'}}, nullptr},
};

TEST_F(ControllerTest, AMoveReleasedInPlaceIsAChangeOnlyWhenTurnedOrMirrored) {
    for (const CInPlaceCase& c : IN_PLACE_CASES) {
        SCOPED_TRACE(c.name);
        Load(THREE);
        Press(30, 10);
        Run(c.steps);
        Release(30, 10);
        if (c.line) {
            EXPECT_EQ(Text(), "RV 100 100 140 130\r\nSA 300 300\r\n" + std::string(c.line));
            EXPECT_EQ(Undos(), 2u);
        } else {
            EXPECT_EQ(Text(), THREE); // in its place in the list too
            EXPECT_EQ(Undos(), 1u);
        }
        EXPECT_EQ(doc.IsModified(), c.line != nullptr);
        EXPECT_EQ(Selected(doc), c.line ? "2" : "0");
    }
}

TEST_F(ControllerTest, APointEditMovesOnlyItsPointAndKeepsEveryVertex) {
    Load(THREE);
    Drag(50, 10, 70, 30);
    EXPECT_EQ(Text(), "RV 100 100 140 130\r\nSA 300 300\r\nLI 10 10 70 30\r\n");
    EXPECT_EQ(Undos(), 2u);

    Load("LI 11 11 52 12\r\n"); // off the snap grid
    Click(52, 12);                // selects it by its end
    EXPECT_EQ(Text(), "LI 11 11 52 12\r\n");
    EXPECT_FALSE(doc.IsModified());

    // A click on the end of the first of two lines leaves the list alone.
    Load("LI 10 10 50 10\r\nLI 10 30 50 30\r\n");
    struct CCount final : IDocumentObserver {
        int n = 0;
        void OnDocumentChanged(const CDocChange& c) override { n += c.nKind == DOCCHANGE_REMOVING; }
    } removals;
    doc.AddObserver(&removals);
    Click(50, 10);
    Click(50, 10);
    doc.RemoveObserver(&removals);
    EXPECT_EQ(removals.n, 0);
    EXPECT_EQ(Text(), "LI 10 10 50 10\r\nLI 10 30 50 30\r\n");

    Load("PV 10 10 50 10 50 50 10 50\r\n");
    Click(30, 10);        // select
    Drag(10, 50, 50, 50); // the last vertex onto the one before it
    EXPECT_EQ(Text(), "PV 10 10 50 10 50 50 50 50\r\n");
}

TEST_F(ControllerTest, TheCursorTellsWhatAPressWouldDrag) {
    Load(THREE);
    Click(30, 10);
    const std::pair<CPoint, int> cases[] = {
        {{50, 10}, CURSOR_POINT}, {{30, 10}, CURSOR_MOVE}, {{200, 200}, CURSOR_ARROW}};
    for (const auto& [pt, cursor] : cases) {
        Move(pt.x, pt.y);
        EXPECT_EQ(host.m_nCursor, cursor) << pt.x;
    }
    Click(100, 115, CTRL);
    Move(50, 10);
    EXPECT_EQ(host.m_nCursor, CURSOR_MOVE); // a point only of the only selected one
}

TEST_F(ControllerTest, TheRightButtonPicksForTheContextMenu) {
    Load(THREE);
    Click(30, 10);
    RightClick(100, 115);
    EXPECT_EQ(Selected(doc), "1");
    RightClick(30, 10);
    EXPECT_EQ(Selected(doc), "0");
    RightClick(500, 500);
    EXPECT_EQ(Selected(doc), "");
    EXPECT_EQ(host.m_menus.size(), 3u);

    Press(30, 10); // a right press during a drag does nothing
    Move(40, 10);
    ctl.OnRButtonDown(In(40, 10));
    EXPECT_EQ(host.m_menus.size(), 3u);
}
