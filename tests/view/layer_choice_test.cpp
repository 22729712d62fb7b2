// The current-layer combo box: its items found by layer number, a choice that
// moves the selection as one undoable step, and hidden layers leaving the
// selection.
#include "../test_util.h"
#include "doc/document.h"
#include "view/layer_choice.h"

class LayerChoice : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            doc.Load("[TAVOLIN]\r\nLI 10 10 20 10\r\nSA 50 50 1\r\nRV 100 100 120 130 3\r\n"));
    }
    CPrimitive* At(std::size_t i) { return doc.Primitives()[i].get(); }
    std::string Text() {
        std::string s;
        for (const auto& p : doc.Primitives())
            s += Written(*p);
        return s;
    }
    CSchemoDoc doc{DOC_DRAWING, nullptr};
};

TEST(LayerItems, ALayerRenamedToAPrefixOfAnotherIsStillFoundByItsNumber) {
    CLayerTable layers;
    layers.m_strLayerName[3] = "PCB"; // begins "PCB lato rame", layer 1
    const std::vector<CLayerItem> items = LayerItems(layers);
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items[1].strName, "PCB lato rame");
    EXPECT_EQ(items[1].crColor, RGB(0, 0, 192));
    const int nIndex = LayerItemIndex(items, 3);
    ASSERT_EQ(nIndex, 3);
    EXPECT_EQ(items[std::size_t(nIndex)].strName, "PCB");
    EXPECT_EQ(items[15].nData, 16);
    EXPECT_EQ(LayerItemIndex(items, 16), -1);
}

TEST_F(LayerChoice, ChoosingWithASelectionMovesItAsOneModifiedUndoableStep) {
    doc.Select(At(0), true);
    doc.Select(At(2), true);
    const std::size_t nSnapshots = doc.History().Count();
    int nCurrent = 0;
    EXPECT_TRUE(ChooseLayer(3, nCurrent, &doc));
    EXPECT_EQ(nCurrent, 2);
    EXPECT_EQ(At(0)->GetLayer(), 2);
    EXPECT_EQ(At(1)->GetLayer(), 1); // not selected, not moved
    EXPECT_EQ(At(2)->GetLayer(), 2);
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_FALSE(At(0)->IsSelected());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.History().Count(), nSnapshots + 1);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Text(), "LI 10 10 20 10\r\nSA 50 50 1\r\nRV 100 100 120 130 3\r\n");
}

TEST_F(LayerChoice, ChoosingWithoutASelectionOnlySetsTheCurrentLayer) {
    int nCurrent = 0;
    EXPECT_FALSE(ChooseLayer(5, nCurrent, &doc));
    EXPECT_EQ(nCurrent, 4);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.History().Count(), 1u);
    EXPECT_FALSE(doc.CanUndo());

    EXPECT_FALSE(ChooseLayer(2, nCurrent, nullptr)); // no document open
    EXPECT_EQ(nCurrent, 1);
    EXPECT_FALSE(ChooseLayer(0, nCurrent, &doc)); // an item without a layer
    EXPECT_EQ(nCurrent, 1);
}

TEST_F(LayerChoice, PrimitivesOnHiddenLayersLeaveTheSelectionAndTheOthersStay) {
    for (std::size_t i = 0; i < 3; ++i)
        doc.Select(At(i), true);
    CLayerTable layers;
    layers.m_bLayerShow[1] = 0;
    layers.m_bLayerShow[3] = 0;
    layers.m_bLayerPrint[0] = 0; // printing has no say on the screen
    DeselectHiddenLayers(doc, layers);
    EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{At(0)});
    EXPECT_FALSE(At(1)->IsSelected());
    EXPECT_FALSE(At(2)->IsSelected());
    EXPECT_FALSE(doc.IsModified());
}
