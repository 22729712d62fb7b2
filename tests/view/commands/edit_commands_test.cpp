#include "support/core_test.h"
#include "view/commands/edit_commands.h"

class EditCommands : public ::testing::Test {
  protected:
    void Load(const std::string& lines) { ASSERT_TRUE(doc.Load("[TAVOLIN]\r\n" + lines)); }
    CPrimitive* At(std::size_t i) { return doc.Primitives()[i].get(); }
    void SelectAt(std::vector<std::size_t> positions) {
        for (std::size_t i : positions)
            doc.Select(At(i), true);
    }
    std::string Text() const { return FormatPrimitiveLines(doc.Primitives(), false); }
    bool Run(int nId) { return RunEditCommand(nId, doc, coords, layers); }

    CLibraryState m_library;
    CSchemoDoc doc{DOC_DRAWING, nullptr, m_library.context};
    CViewCoords coords; // snap 5 on
    CLayerTable layers;
};

// A turn is a quarter clockwise on screen about the snapped centre of the
// selected points; one that changes nothing is no edit.
TEST_F(EditCommands, RotateMirrorAndDeleteTakeOneStepOnlyForARealChange) {
    // clang-format off
    const struct { const char* drawing; std::vector<std::size_t> selected; bool bSnap; int nId; const char* after; }
    rows[] = {
        // Points span (10, 10)-(31, 20): the centre is (20, 15).
        {"SA 10 10\r\nSA 31 20\r\n", {0, 1}, true, ID_ROTATE, "SA 25 5\r\nSA 15 26\r\n"},
        // (33, 22): the centre (21, 16) snaps to (20, 15).
        {"SA 10 10\r\nSA 33 22\r\n", {0, 1}, true, ID_ROTATE, "SA 25 5\r\nSA 13 28\r\n"},
        {"SA 10 10\r\nSA 33 22\r\n", {0, 1}, false, ID_ROTATE, "SA 27 5\r\nSA 15 28\r\n"},
        {"LI 10 10 31 20\r\nSA 0 0\r\n", {0}, true, ID_MIRROR, "LI 30 10 9 20\r\nSA 0 0\r\n"},
        {"SA 1 1\r\nLI 1 1 2 2\r\nSA 2 2\r\nRP 3 3 4 4\r\n", {3, 1}, true, ID_EDIT_CLEAR, "SA 1 1\r\nSA 2 2\r\n"},
        // A dot turned or mirrored about itself, and nothing selected: no edit.
        {"SA 20 20\r\nLI 0 0 50 50\r\n", {0}, true, ID_ROTATE, nullptr},
        {"SA 20 20\r\nLI 0 0 50 50\r\n", {0}, true, ID_MIRROR, nullptr},
        {"SA 20 20\r\nLI 0 0 50 50\r\n", {}, true, ID_ROTATE, nullptr},
        {"SA 20 20\r\nLI 0 0 50 50\r\n", {}, true, ID_EDIT_CLEAR, nullptr}};
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.drawing);
        Load(r.drawing);
        coords.m_grid.bSnap = r.bSnap;
        SelectAt(r.selected);
        Run(r.nId);
        EXPECT_EQ(Text(), r.after ? r.after : r.drawing);
        EXPECT_TRUE(doc.IsModified() == (r.after != nullptr) &&
                    doc.History().Count() == (r.after ? 2u : 1u));
        EXPECT_TRUE(r.nId != ID_EDIT_CLEAR || doc.Selection().empty());
        EXPECT_TRUE(!r.after || (doc.Undo() && Text() == r.drawing && !doc.IsModified()));
    }
    // Points as far apart as the integers allow still have their middle.
    Load("SA -8195 0\r\nSA 2147483647 -2147483648\r\n");
    const CPoint c = SelectionCentre({At(0), At(1)});
    EXPECT_TRUE(c.x == 1073737726 && c.y == -1073741824) << c.x << " " << c.y;
}

TEST_F(EditCommands, SelectAllAndInvertLeaveHiddenLayersAlone) {
    Load("SA 1 1\r\nSA 2 2 3\r\nSA 3 3 1\r\nSA 4 4 3\r\n");
    SelectAt({3}); // selected before its layer was hidden
    layers.m_bLayerShow[3] = 0;
    EXPECT_TRUE(Run(ID_EDIT_SELECT_ALL));
    EXPECT_EQ(doc.Selection(), (std::vector<CPrimitive*>{At(0), At(2)}));
    EXPECT_TRUE(Run(ID_INVERT_SELECTION) && doc.Selection().empty());
    doc.Select(At(3), true);
    EXPECT_TRUE(Run(ID_INVERT_SELECTION));
    EXPECT_EQ(doc.Selection(), (std::vector<CPrimitive*>{At(0), At(2)}));
    EXPECT_FALSE(At(1)->IsSelected() || At(3)->IsSelected() || doc.IsModified() || doc.CanUndo());
}

// A group made here is no modification and splitting it is none either; a
// placed symbol split is an undoable one.
TEST_F(EditCommands, MacrosAreMadeFromTheSelectionAndSplitIntoIt) {
    Load("SA 1 1\r\nLI 10 10 20 20\r\nRP 30 30 40 40\r\nSA 50 60\r\n");
    const std::string before = Text();
    SelectAt({3, 1, 2}); // the origin comes from the first one selected
    EXPECT_TRUE(Run(ID_MAKE_MACRO));
    ASSERT_EQ(doc.Primitives().size(), 2u);
    auto* group = dynamic_cast<CMacro*>(At(1));
    ASSERT_TRUE(group && group->m_components.size() == 3u);
    EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{group});
    EXPECT_EQ(group->GetPoint(0), (CPoint{50, 60}));
    EXPECT_EQ(Written(*group->m_components[0]), "LI 10 10 20 20\r\n"); // drawing order kept
    EXPECT_FALSE(doc.IsModified() || doc.CanUndo());

    EXPECT_TRUE(Run(ID_SPLIT_MACRO));
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(doc.Selection(), (std::vector<CPrimitive*>{At(1), At(2), At(3)}));
    EXPECT_FALSE(At(1)->IsInMacro() || doc.IsModified() || doc.CanUndo());

    Load("MC 200 300 0 0 080\r\nSA 5 5\r\n");
    const std::size_t nParts = dynamic_cast<CMacro&>(*At(0)).m_components.size();
    SelectAt({1, 0});
    EXPECT_TRUE(CmdSplitMacros(doc));
    ASSERT_EQ(doc.Primitives().size(), 1 + nParts);
    EXPECT_EQ(Written(*At(0)), "SA 5 5\r\n");
    // The dot stays selected; the components follow it in list order.
    ASSERT_EQ(doc.Selection().size(), 1 + nParts);
    for (std::size_t i = 0; i <= nParts; ++i)
        EXPECT_TRUE(doc.Selection()[i] == At(i) && At(i)->IsSelected()) << i;
    EXPECT_TRUE(doc.IsModified() && doc.Undo() && Text() == "MC 200 300 0 0 080\r\nSA 5 5\r\n");
}

// Whole nets join the selection; nothing else changes.
TEST_F(EditCommands, SelectConnectedAddsTheSelectionsNets) {
    // clang-format off
    const struct { const char* drawing; std::vector<std::size_t> selected, after; } rows[] = {
        {"LI 0 0 10 0\r\nLI 50 50 60 50\r\nLI 10 0 10 20\r\nLI 10 20 30 20\r\n", {0}, {0, 2, 3}},
        {"PL 0 0 20 0 4 1\r\nPL 0 40 20 40 4 1\r\nPA 20 0 10 10 4 1 2\r\n", {2}, {2, 0}},
        {"LI 0 0 10 0\r\nLI 50 50 60 50\r\n", {1}, {1}},
        {"LI 0 0 10 0\r\nLI 10 0 20 0\r\n", {}, {}}};
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.drawing);
        Load(r.drawing);
        SelectAt(r.selected);
        EXPECT_TRUE(Run(ID_SELECT_CONNECTED));
        std::vector<CPrimitive*> want;
        for (std::size_t i : r.after)
            want.push_back(At(i));
        EXPECT_EQ(doc.Selection(), want);
        EXPECT_FALSE(doc.IsModified() || doc.CanUndo());
    }
}
