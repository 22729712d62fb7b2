// G: the selection hangs on the pointer with the wires attached to it; the
// attached ends follow, the other ends stay.
#include "support/controller_fixture.h"

#include "view/editor/wire_drag.h"

namespace {
const char* const WIRES = "LI 10 10 30 10\r\nLI 30 10 30 40\r\nLI 50 50 60 60\r\n";
const char* const SYMBOL = "MC 100 100 0 0 080\r\nLI 80 100 100 100\r\nLI 110 100 130 100\r\n";
const char* const PADS = "PA 20 20 9 9 3 0\r\nSA 40 20\r\nPL 20 20 40 20 2\r\nPL 40 20 40 50 2\r\n";
const char* const HIDDEN = "LI 10 10 30 10\r\nLI 30 10 30 40 3\r\n";
// The pin's wire meets a branch at (60, 100) and a dot at (80, 100).
const char* const TEE =
    "MC 100 100 0 0 080\r\nLI 40 100 100 100\r\nLI 60 100 60 130\r\nSA 80 100\r\n";
// A track from the pad to the dot, a branch from its middle.
const char* const TRACK_TEE =
    "PA 20 20 9 9 3 0\r\nSA 40 20\r\nPL 20 20 40 20 2\r\nPL 30 20 30 50 2\r\n";
// A track from the pad to the dot with two branches: cut twice.
const char* const TRACK_TWO_TEES = "PA 20 20 9 9 3 0\r\nSA 60 20\r\nPL 20 20 60 20 2\r\n"
                                   "PL 30 20 30 50 2\r\nPL 50 20 50 50 2\r\n";
} // namespace

// The lines of a symbol nested in another one are the outer symbol's pins too.
TEST(ConnectionPoints, ASymbolsOriginThenTheEndsOfItsLinesNestedOnesIncluded) {
    CLibraryState library;
    auto inner = std::make_unique<CMacro>(50, 50);
    inner->m_components.push_back(ParsePrimitiveLine("LI 52 50 60 50", library.context));
    CMacro outer(0, 0);
    outer.m_components.push_back(ParsePrimitiveLine("LI 0 0 10 0", library.context));
    outer.m_components.push_back(std::move(inner));
    EXPECT_EQ(ConnectionPoints(outer),
              (std::vector<CPoint>{{0, 0}, {0, 0}, {10, 0}, {52, 50}, {60, 50}}));
}

TEST_F(ControllerTest, GDragsTheSelectionWithTheWiresAttached) {
    // clang-format off
    const struct {
        const char* name;
        const char* drawing;
        const char* selected; // list positions
        const char* steps;
        const char* text; // null: byte for byte as it was, unmodified, no undo step
    } cases[] = {
        {"a line moved, the wire on its end stretched", WIRES, "0", "m20,10 G m25,15 c25,15",
         "LI 35 15 30 40\r\nLI 50 50 60 60\r\nLI 15 15 35 15\r\n"},
        {"a symbol's pins pull both wires", SYMBOL, "0", "m105,100 G m105,110 c105,110",
         "LI 80 100 100 110\r\nLI 110 110 130 100\r\nMC 100 110 0 0 080\r\n"},
        {"turned about the pointer", WIRES, "0", "m20,10 G R c20,10",
         "LI 20 20 30 40\r\nLI 50 50 60 60\r\nLI 20 0 20 20\r\n"},
        {"mirrored about the pointer", WIRES, "0", "m20,10 G S c20,10",
         "LI 10 10 30 40\r\nLI 50 50 60 60\r\nLI 30 10 10 10\r\n"},
        {"a pad and a dot pull tracks, one by both ends", PADS, "01", "m30,20 G m30,30 c30,30",
         "PL 20 30 40 30 2\r\nPL 40 30 40 50 2\r\nPA 20 30 9 9 3 0\r\nSA 40 30\r\n"},
        {"Escape", WIRES, "0", "m20,10 G m25,15 R E", nullptr},
        {"placed where it was", WIRES, "0", "m20,10 G m25,15 c20,10", nullptr},
        {"turned round four times", SYMBOL, "0", "m105,100 G R R R R c105,100", nullptr},
        {"nothing selected", WIRES, "", "m20,10 G m200,200 c200,200", nullptr},
        {"a wire on a hidden layer stays", HIDDEN, "0", "m20,10 G m25,15 c25,15",
         "LI 30 10 30 40 3\r\nLI 15 15 35 15\r\n"},
        {"cut at the junction nearest the pin", TEE, "0", "m105,100 G m105,110 c105,110",
         "LI 40 100 80 100\r\nLI 60 100 60 130\r\nSA 80 100\r\nLI 80 100 100 110\r\nMC 100 110 0 0 080\r\n"},
        {"cut at the junction nearest each end", TRACK_TEE, "01", "m30,20 G m30,30 c30,30",
         "PL 20 30 30 20 2\r\nPL 30 20 30 50 2\r\nPL 30 20 40 30 2\r\nPA 20 30 9 9 3 0\r\nSA 40 30\r\n"},
        {"cut twice, each end stretching its own piece", TRACK_TWO_TEES, "01", "m20,20 G m20,30 c20,30",
         "PL 20 30 30 20 2\r\nPL 30 20 30 50 2\r\nPL 50 20 50 50 2\r\nPL 30 20 50 20 2\r\nPL 50 20 60 30 2\r\nPA 20 30 9 9 3 0\r\nSA 60 30\r\n"},
        {"Escape after a cut", TEE, "0", "m105,100 G m105,110 E", nullptr},
        {"placed where it was after a cut", TEE, "0", "m105,100 G m105,110 c105,100", nullptr},
    };
    // clang-format on
    layers.m_bLayerShow[3] = 0;
    for (const auto& c : cases) {
        Load(c.drawing);
        for (const char* s = c.selected; *s; ++s)
            doc.Select(At(std::size_t(*s - '0')), true);
        Run(c.steps);
        EXPECT_TRUE(ctl.IsIdle()) << c.name;
        EXPECT_EQ(Text(), c.text ? c.text : c.drawing) << c.name;
        EXPECT_EQ(Undos(), c.text ? 2u : 1u) << c.name;
        EXPECT_EQ(doc.IsModified(), c.text != nullptr) << c.name;
        EXPECT_EQ(Selected().size(), std::string(c.selected).size()) << c.name;
        if (!c.text) continue;
        doc.Undo();
        EXPECT_EQ(Text(), c.drawing) << c.name;
    }
}

// As a drag started at the right click would: the point where the menu's item
// was clicked does not count. From the menu bar, off the drawing, the first
// move brings point 0 to the pointer.
TEST_F(ControllerTest, GFromTheContextMenuHoldsTheSelectionByTheRightClick) {
    for (bool bMenuBar : {false, true}) {
        Load(WIRES);
        Run("x20,10");
        if (bMenuBar) ctl.OnMenuClosed();
        ctl.StartWireDrag(bMenuBar ? CPoint{-1, 500} : CPoint{400, 300});
        Run("m25,15 c25,15");
        EXPECT_EQ(Text(), bMenuBar ? "LI 45 15 30 40\r\nLI 50 50 60 60\r\nLI 25 15 45 15\r\n"
                                   : "LI 35 15 30 40\r\nLI 50 50 60 60\r\nLI 15 15 35 15\r\n")
            << bMenuBar;
    }
}
