// Items are found by layer number, as the property sheet's layer row (the same items) shows.
#include "support/core_test.h"
#include "view/forms/layer_choice.h"

TEST(LayerChoice, AChoiceMovesTheSelectionAsOneStepOrOnlySetsTheCurrentLayer) {
    CLibraryState library;
    const std::string kText = "LI 10 10 20 10\r\nSA 50 50 1\r\nRV 100 100 120 130 3\r\n";
    CSchemoDoc doc{DOC_DRAWING, nullptr, library.context};
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\n" + kText));
    int nCurrent = 0;
    EXPECT_FALSE(ChooseLayer(5, nCurrent, &doc) || nCurrent != 4);
    EXPECT_FALSE(ChooseLayer(2, nCurrent, nullptr) || nCurrent != 1); // no document open
    EXPECT_FALSE(ChooseLayer(0, nCurrent, &doc) || nCurrent != 1);    // an item without a layer
    EXPECT_FALSE(doc.IsModified() || doc.CanUndo());

    doc.SetSelection({doc.Primitives()[0].get(), doc.Primitives()[2].get()});
    EXPECT_TRUE(ChooseLayer(3, nCurrent, &doc) && nCurrent == 2);
    EXPECT_EQ(FormatPrimitiveLines(doc.Primitives(), false),
              "LI 10 10 20 10 2\r\nSA 50 50 1\r\nRV 100 100 120 130 2\r\n");
    EXPECT_TRUE(doc.Selection().empty() && !doc.Primitives()[0]->IsSelected());
    EXPECT_TRUE(doc.IsModified() && doc.History().Count() == 2u && doc.Undo());
    EXPECT_EQ(FormatPrimitiveLines(doc.Primitives(), false), kText);
}
