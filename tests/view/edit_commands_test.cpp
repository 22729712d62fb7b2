// The edit commands on the selection: the centre they turn about, what each
// leaves selected, and which of them make an undo step or a modification.
#include "../test_util.h"
#include "doc/spatial_index.h"
#include "model/macro.h"
#include "view/commands.h"
#include "view/edit_commands.h"

#include <fstream>
#include <sstream>

class EditCommands : public ::testing::Test {
  protected:
    void Load(const std::string& lines) { ASSERT_TRUE(doc.Load("[TAVOLIN]\r\n" + lines)); }
    CPrimitive* At(std::size_t i) { return doc.Primitives()[i].get(); }
    void SelectAt(std::initializer_list<std::size_t> positions) {
        for (std::size_t i : positions)
            doc.Select(At(i), true);
    }
    void SelectEverything() {
        for (const auto& p : doc.Primitives())
            doc.Select(p.get(), true);
    }
    std::string Text() const {
        std::string s;
        for (const auto& p : doc.Primitives())
            s += Written(*p);
        return s;
    }
    std::string Saved() {
        std::string text;
        EXPECT_TRUE(doc.Store("x.tvd", true, text));
        return text;
    }
    bool Run(int nId) { return RunEditCommand(nId, doc, coords, layers); }

    CSchemoDoc doc{DOC_DRAWING, nullptr};
    CViewCoords coords; // snap 5 on
    CLayerTable layers;
};

TEST_F(EditCommands, RotationTurnsAboutTheSnappedCentreOfTheSelectedPoints) {
    struct Row {
        const char* drawing;
        bool bSnap;
        const char* turned; // a quarter turn clockwise on screen
    };
    const Row rows[] = {
        // Points span (10, 10)-(31, 20): the centre is (20, 15).
        {"SA 10 10\r\nSA 31 20\r\n", true, "SA 25 5\r\nSA 15 26\r\n"},
        // (33, 22): the centre (21, 16) snaps to (20, 15).
        {"SA 10 10\r\nSA 33 22\r\n", true, "SA 25 5\r\nSA 13 28\r\n"},
        {"SA 10 10\r\nSA 33 22\r\n", false, "SA 27 5\r\nSA 15 28\r\n"},
        {"LI 10 10 31 20\r\n", true, "LI 25 5 15 26\r\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.drawing);
        Load(r.drawing);
        coords.m_grid.bSnap = r.bSnap;
        SelectEverything();
        EXPECT_TRUE(Run(ID_ROTATE));
        EXPECT_EQ(Text(), r.turned);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.History().Count(), 2u);
    }
}

TEST_F(EditCommands, RotateOrMirrorThatChangesNothingIsNoEdit) {
    // An empty selection (R or S pressed anyway), and a dot turned or mirrored
    // about its own centre.
    for (bool bSelectDot : {false, true}) {
        Load("SA 20 20\r\nLI 0 0 50 50\r\n");
        if (bSelectDot) SelectAt({0});
        const std::string before = Text();
        EXPECT_FALSE(CmdRotate(doc, coords));
        EXPECT_FALSE(CmdMirror(doc, coords));
        EXPECT_EQ(Text(), before);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.History().Count(), 1u);
        EXPECT_FALSE(doc.CanUndo());
    }
}

TEST_F(EditCommands, FourTurnsOrTwoMirrorsGiveBackEveryPrimitive) {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/all_commands.normalized.tvd", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    ASSERT_TRUE(doc.Load(ss.str()));
    const std::string original = Text();
    SelectEverything();
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(CmdRotate(doc, coords));
        EXPECT_EQ(doc.Selection().size(), doc.Primitives().size());
        if (i < 3) {
            EXPECT_NE(Text(), original);
        }
    }
    // The same place; a mirrored text counts its angle up to 360, not back to 0.
    std::string turned = original;
    ReplaceAll(turned, "TY 10 40 5 3 0 4 0", "TY 10 40 5 3 360 4 0");
    EXPECT_EQ(Text(), turned);
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Selection().empty());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Text(), turned);
    SelectEverything();
    EXPECT_TRUE(CmdMirror(doc, coords));
    EXPECT_NE(Text(), original);
    EXPECT_TRUE(CmdMirror(doc, coords));
    EXPECT_EQ(Text(), turned);
    EXPECT_EQ(doc.History().Count(), 7u); // one step each
}

TEST_F(EditCommands, DeleteRemovesExactlyTheSelectionAndUndoBringsItBack) {
    Load("SA 1 1\r\nLI 10 10 20 20\r\nSA 2 2\r\nRP 30 30 40 40\r\nSA 300 300\r\n");
    CSpatialIndex index(doc.Primitives());
    doc.AddObserver(&index);
    const std::string before = Text();
    EXPECT_FALSE(CmdDelete(doc)); // nothing selected
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.History().Count(), 1u);

    SelectAt({4, 1, 3});
    EXPECT_TRUE(Run(ID_EDIT_CLEAR));
    EXPECT_EQ(Text(), "SA 1 1\r\nSA 2 2\r\n");
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(index.Size(), 2u);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Text(), before);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(index.Size(), 5u);
    std::vector<CPrimitive*> found;
    index.Query({295, 295, 305, 305}, 1.0, 0, found);
    EXPECT_EQ(found, std::vector<CPrimitive*>{At(4)});
    doc.RemoveObserver(&index);
}

TEST_F(EditCommands, SelectAllAndInvertLeaveHiddenLayersAlone) {
    Load("SA 1 1\r\nSA 2 2 3\r\nSA 3 3 1\r\nSA 4 4 3\r\n");
    SelectAt({3}); // selected before its layer was hidden
    layers.m_bLayerShow[3] = 0;
    EXPECT_TRUE(Run(ID_EDIT_SELECT_ALL));
    EXPECT_EQ(doc.Selection(), (std::vector<CPrimitive*>{At(0), At(2)}));
    EXPECT_FALSE(At(1)->IsSelected());
    EXPECT_FALSE(At(3)->IsSelected());

    EXPECT_TRUE(Run(ID_INVERT_SELECTION));
    EXPECT_TRUE(doc.Selection().empty());
    for (const auto& p : doc.Primitives())
        EXPECT_FALSE(p->IsSelected());

    doc.Select(At(3), true);
    EXPECT_TRUE(Run(ID_INVERT_SELECTION));
    EXPECT_EQ(doc.Selection(), (std::vector<CPrimitive*>{At(0), At(2)}));
    EXPECT_FALSE(At(3)->IsSelected());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.History().Count(), 1u);
}

TEST_F(EditCommands, AMacroGroupIsNoModificationAndSplittingItIsNoneEither) {
    Load("SA 1 1\r\nLI 10 10 20 20\r\nRP 30 30 40 40\r\nSA 50 60\r\n");
    const std::string saved = Saved();
    SelectAt({3, 1, 2}); // the origin comes from the first one selected
    EXPECT_TRUE(Run(ID_MAKE_MACRO));
    ASSERT_EQ(doc.Primitives().size(), 2u);
    auto* group = dynamic_cast<CMacro*>(At(1));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{group});
    EXPECT_TRUE(group->m_strName.empty());
    EXPECT_EQ(group->GetPoint(0), (CPoint{50, 60}));
    ASSERT_EQ(group->m_components.size(), 3u);
    EXPECT_EQ(Written(*group->m_components[0]), "LI 10 10 20 20\r\n"); // drawing order kept
    for (const auto& c : group->m_components)
        EXPECT_TRUE(c->IsInMacro());
    EXPECT_EQ(Saved(), saved);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());

    EXPECT_TRUE(Run(ID_SPLIT_MACRO));
    EXPECT_EQ(Text(), "SA 1 1\r\nLI 10 10 20 20\r\nRP 30 30 40 40\r\nSA 50 60\r\n");
    EXPECT_EQ(doc.Selection(), (std::vector<CPrimitive*>{At(1), At(2), At(3)}));
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_FALSE(At(i)->IsInMacro());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(EditCommands, SplittingAPlacedSymbolIsAnUndoableModification) {
    Load("MC 200 300 0 0 080\r\nSA 5 5\r\n");
    auto* symbol = dynamic_cast<CMacro*>(At(0));
    ASSERT_NE(symbol, nullptr);
    const std::size_t nParts = symbol->m_components.size();
    ASSERT_GT(nParts, 0u);
    SelectAt({1, 0});
    EXPECT_TRUE(CmdSplitMacros(doc));
    ASSERT_EQ(doc.Primitives().size(), 1 + nParts);
    EXPECT_EQ(Written(*At(0)), "SA 5 5\r\n");
    // The dot stays selected; the components follow it in list order.
    ASSERT_EQ(doc.Selection().size(), 1 + nParts);
    for (std::size_t i = 0; i <= nParts; ++i) {
        EXPECT_EQ(doc.Selection()[i], At(i));
        EXPECT_TRUE(At(i)->IsSelected());
    }
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.CanUndo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Text(), "MC 200 300 0 0 080\r\nSA 5 5\r\n");
    EXPECT_FALSE(doc.IsModified());
}
