// The current-layer combo box: a choice that moves the selection as one
// undoable step, and hidden layers leaving the selection. Its items are found
// by layer number, as the property sheet's layer row (the same items) shows.
#include "../test_util.h"
#include "doc/document.h"
#include "format/writer.h"
#include "view/layer_choice.h"

TEST(LayerChoice, AChoiceMovesTheSelectionAsOneStepOrOnlySetsTheCurrentLayer) {
    const std::string kText = "LI 10 10 20 10\r\nSA 50 50 1\r\nRV 100 100 120 130 3\r\n";
    CSchemoDoc doc{DOC_DRAWING, nullptr};
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\n" + kText));
    const auto at = [&](std::size_t i) { return doc.Primitives()[i].get(); };
    int nCurrent = 0;
    EXPECT_FALSE(ChooseLayer(5, nCurrent, &doc));
    EXPECT_EQ(nCurrent, 4);
    EXPECT_FALSE(ChooseLayer(2, nCurrent, nullptr)); // no document open
    EXPECT_EQ(nCurrent, 1);
    EXPECT_FALSE(ChooseLayer(0, nCurrent, &doc)); // an item without a layer
    EXPECT_EQ(nCurrent, 1);
    EXPECT_FALSE(doc.IsModified() || doc.CanUndo());

    doc.Select(at(0), true);
    doc.Select(at(2), true);
    EXPECT_TRUE(ChooseLayer(3, nCurrent, &doc));
    EXPECT_EQ(nCurrent, 2);
    EXPECT_EQ(FormatPrimitiveLines(doc.Primitives(), false),
              "LI 10 10 20 10 2\r\nSA 50 50 1\r\nRV 100 100 120 130 2\r\n");
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_FALSE(at(0)->IsSelected());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.History().Count(), 2u);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(FormatPrimitiveLines(doc.Primitives(), false), kText);

    for (std::size_t i = 0; i < 3; ++i)
        doc.Select(at(i), true);
    CLayerTable layers;
    layers.m_bLayerShow[1] = layers.m_bLayerShow[3] = 0;
    layers.m_bLayerPrint[0] = 0; // printing has no say on the screen
    DeselectHiddenLayers(doc, layers);
    EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{at(0)});
    EXPECT_FALSE(at(1)->IsSelected() || at(2)->IsSelected());
    EXPECT_FALSE(doc.IsModified());
}
