// The property editor's rows for a selection and the edited rows written back:
// common properties only, "(indeterminato)" where values differ, choices and
// layers matched exactly, and one undo step only for a real change.
#include "../test_util.h"
#include "doc/document.h"
#include "model/fontfaces.h"
#include "model/prototypes.h"
#include "model/text.h"
#include "view/property_sheet.h"

namespace {
class CFaces : public IFontFaceSource {
  public:
    std::vector<std::string> FixedPitchFaces() override {
        return {"Lucida Console", "Courier New", "Courier"};
    }
};

// Counts the edits the document reports.
struct CEditCounter final : IDocumentObserver {
    int nEdits = 0;
    void OnDocumentChanged(const CDocChange& change) override {
        nEdits += change.nKind == DOCCHANGE_GEOMETRY;
    }
};

std::vector<std::string> Names(const CPropertySheet& sheet) {
    std::vector<std::string> names;
    for (const CPropertySheetRow& row : sheet.Rows())
        names.push_back(row.strName);
    return names;
}

using Strings = std::vector<std::string>;
} // namespace

class PropertySheet : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetPrototypes();
        SetFontFaceSource(&m_faces);
    }
    void TearDown() override {
        SetFontFaceSource(nullptr);
        ResetPrototypes();
    }
    // Loads the lines and selects them all, in order.
    void Load(const std::string& lines) {
        ASSERT_TRUE(doc.Load("[TAVOLIN]\r\n" + lines));
        for (const auto& p : doc.Primitives())
            doc.Select(p.get(), true);
    }
    CPrimitive* At(std::size_t i) { return doc.Primitives()[i].get(); }
    std::string Text() {
        std::string s;
        for (const auto& p : doc.Primitives())
            s += Written(*p);
        return s;
    }
    CPropertySheet Sheet() { return CPropertySheet(doc.Selection(), layers); }

    CFaces m_faces;
    CLayerTable layers;
    CSchemoDoc doc{DOC_DRAWING, nullptr};
};

TEST_F(PropertySheet, OffersOnlyWhatEverySelectedPrimitiveDescribesThenTheLayer) {
    const Strings kText = {"Text",  "FontFace", "FontHeight", "FontWidth",   "RotationAngle",
                           "bBold", "bItalic",  "bMirrored",  "bUnderlined", "Layer"};
    const struct {
        const char* szLines;
        Strings rows;
    } kCases[] = {
        {"RP 0 0 10 10\r\n", {"Filled", "Layer"}},
        {"RP 0 0 10 10\r\nEV 0 0 5 5\r\nPV 0 0 9 0 9 9\r\n", {"Filled", "Layer"}},
        {"RV 0 0 10 10\r\nPL 0 0 10 0 3\r\n", {"Layer"}},
        {"MC 200 300 0 0 080\r\n", {"Layer"}},
        // A macro answers to "Text" (its name) but does not offer it: renaming
        // it from here would lose its symbol.
        {"TY 0 0 5 3 0 0 0 * A\r\nMC 200 300 0 0 080\r\n", {"Layer"}},
        {"MC 200 300 0 0 080\r\nTY 0 0 5 3 0 0 0 * A\r\n", {"Layer"}},
        {"TY 0 0 5 3 0 0 0 * A\r\nTY 9 9 8 3 0 1 4 * B\r\n", kText},
        {"PA 0 0 18 18 4 0\r\nPA 9 9 20 20 4 1\r\n",
         {"SizeX", "SizeY", "IntDiam", "Style", "Layer"}},
        {"LI 0 0 10 10\r\nSA 5 5\r\n", {"Layer"}},
    };
    for (const auto& c : kCases) {
        doc.DeleteContents();
        Load(c.szLines);
        EXPECT_EQ(Names(Sheet()), c.rows) << c.szLines;
    }
    doc.ClearSelection();
    EXPECT_TRUE(Sheet().Rows().empty());
}

TEST_F(PropertySheet, ShowsAValueOnlyWhereAllAgree) {
    Load("TY 0 0 5 3 0 1 2 * A\r\nTY 9 9 8 3 0 1 4 * B\r\n");
    const CPropertySheet sheet = Sheet();
    const CPropertySheetRow& height = sheet.Rows()[2];
    EXPECT_EQ(height.nKind, PROPROW_INT);
    EXPECT_FALSE(height.bSame);
    EXPECT_EQ(height.strShown, "");
    EXPECT_EQ(height.nStart, 5); // the arrows start from the first text's height
    EXPECT_EQ(height.nMin, 2);
    EXPECT_EQ(height.nMax, 100);
    const CPropertySheetRow& width = sheet.Rows()[3];
    EXPECT_TRUE(width.bSame);
    EXPECT_EQ(width.strShown, "3");
    const CPropertySheetRow& bold = sheet.Rows()[5];
    EXPECT_EQ(bold.choices, (Strings{"(indeterminato)", "No", "Si"}));
    EXPECT_EQ(bold.nShown, 2);
    EXPECT_EQ(sheet.Rows()[6].nShown, 1); // both not italic: "No"
    const CPropertySheetRow& layer = sheet.Rows().back();
    EXPECT_FALSE(layer.bSame);
    EXPECT_EQ(layer.nShown, 0);
    EXPECT_EQ(layer.layers[0].strName, "(indeterminato)");
    EXPECT_EQ(layer.layers[0].nData, 0);
    EXPECT_EQ(layer.layers.size(), 17u);

    doc.ClearSelection();
    doc.Load("[TAVOLIN]\r\nRP 0 0 10 10\r\nEV 0 0 5 5\r\n");
    doc.Select(At(0), true);
    doc.Select(At(1), true);
    EXPECT_EQ(Sheet().Rows()[0].nShown, 0); // one filled, one not
}

// A choice is found by its whole text, a layer by its number: a face or a
// layer name that begins another's must not show the other.
TEST_F(PropertySheet, ChoicesAreMatchedExactlyAndLayersByNumber) {
    const struct {
        const char* szLine;
        int nFace; // item shown among "(indeterminato)", "Courier", "Courier New", "Lucida Console"
        int nLayer;
    } kCases[] = {
        {"TY 0 0 5 3 0 0 1 Courier A\r\n", 1, 2},
        {"TY 0 0 5 3 0 0 3 Courier++New A\r\n", 2, 4},
        {"TY 0 0 5 3 0 0 0 courier++new A\r\n", -1, 1},
        {"TY 0 0 5 3 0 0 0 Lucida A\r\n", -1, 1}, // begins an item, is none
        {"TY 0 0 5 3 0 0 0 * A\r\n", -1, 1},
        {"TY 0 0 5 3 0 0 20 Lucida++Console A\r\n", 3, -1}, // a layer no item has
    };
    layers.m_strLayerName[3] = "PCB"; // begins "PCB lato rame", layer 1
    for (const auto& c : kCases) {
        doc.DeleteContents();
        Load(c.szLine);
        const CPropertySheet sheet = Sheet();
        const CPropertySheetRow& face = sheet.Rows()[1];
        EXPECT_EQ(face.choices,
                  (Strings{"(indeterminato)", "Courier", "Courier New", "Lucida Console"}));
        EXPECT_EQ(face.nShown, c.nFace) << c.szLine;
        EXPECT_EQ(sheet.Rows().back().nShown, c.nLayer) << c.szLine;
    }
    EXPECT_EQ(Sheet().Rows().back().layers[4].strName, "PCB");
}

TEST_F(PropertySheet, OkWithNothingChangedLeavesTheDocumentAlone) {
    Load("TY 0 0 5 3 0 0 2 * A\r\nTY 9 9 8 3 0 0 2 * B\r\nRP 0 0 10 10 2\r\n");
    CEditCounter edits;
    doc.AddObserver(&edits);
    const std::string before = Text();
    CPropertySheet sheet = Sheet();
    ASSERT_EQ(Names(sheet), (Strings{"Layer"}));
    sheet.SetChoice(0, sheet.Rows()[0].nShown); // the same layer again
    EXPECT_FALSE(sheet.Apply(doc).bChanged);

    doc.ClearSelection();
    doc.Select(At(0), true);
    doc.Select(At(1), true);
    CPropertySheet texts = Sheet();
    texts.SetText(0, "(indeterminato)"); // never passed on
    texts.SetText(2, "");                // an empty box neither
    texts.SetChoice(1, 0);
    texts.SetChoice(5, texts.Rows()[5].nShown);
    for (std::size_t i = 0; i < texts.Rows().size(); ++i)
        EXPECT_FALSE(texts.IsChanged(i)) << texts.Rows()[i].strName;
    EXPECT_FALSE(texts.Apply(doc).bChanged);

    EXPECT_EQ(edits.nEdits, 0);
    EXPECT_EQ(Text(), before);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    doc.RemoveObserver(&edits);
}

TEST_F(PropertySheet, AHeightInRangeGoesToBothTextsAndOneOutOfRangeToNeither) {
    Load("TY 0 0 5 3 0 0 0 * A\r\nTY 9 9 8 3 0 0 0 * B\r\n");
    CPropertySheet refused = Sheet();
    refused.SetText(2, "150");
    const CPropertyApplyResult none = refused.Apply(doc);
    EXPECT_FALSE(none.bChanged);
    EXPECT_EQ(none.refused, std::vector<std::size_t>{2});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());

    CPropertySheet sheet = Sheet();
    sheet.SetText(2, "12");
    const CPropertyApplyResult done = sheet.Apply(doc);
    EXPECT_TRUE(done.bChanged);
    EXPECT_TRUE(done.refused.empty());
    EXPECT_EQ(Text(), "TY 0 0 12 3 0 0 0 * A\r\nTY 9 9 12 3 0 0 0 * B\r\n");
    EXPECT_EQ(CExtendedText::GetPrototype().m_nHeight, 12); // new texts follow
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.History().Count(), 2u);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Text(), "TY 0 0 5 3 0 0 0 * A\r\nTY 9 9 8 3 0 0 0 * B\r\n");
}

TEST_F(PropertySheet, AValueSomeRefuseGoesToTheOthers) {
    // The second pad's hole is as wide as 9, so a size of 9 fits only the first.
    Load("PA 0 0 18 18 4 0\r\nPA 9 9 18 18 9 0\r\n");
    CPropertySheet sheet = Sheet();
    sheet.SetText(0, "9");
    const CPropertyApplyResult r = sheet.Apply(doc);
    EXPECT_TRUE(r.bChanged);
    EXPECT_EQ(r.refused, std::vector<std::size_t>{0});
    EXPECT_EQ(Text(), "PA 0 0 9 18 4 0\r\nPA 9 9 18 18 9 0\r\n");
}

// A smaller hole and a size it fits are taken together, whatever the row order.
TEST_F(PropertySheet, RowsThatDependOnEachOtherAreAppliedTogether) {
    Load("PA 0 0 18 18 4 0\r\n");
    CPropertySheet sheet = Sheet();
    sheet.SetText(0, "3"); // SizeX: no wider than the hole of 4 until it shrinks
    sheet.SetText(2, "2"); // IntDiam
    sheet.SetChoice(3, 2); // "Square"
    EXPECT_TRUE(sheet.Apply(doc).refused.empty());
    EXPECT_EQ(Text(), "PA 0 0 3 18 2 1\r\n");
}

TEST_F(PropertySheet, ALayerChosenMovesAllAndAHiddenOneLeavesTheSelection) {
    Load("LI 0 0 10 10 1\r\nRV 0 0 5 5 3\r\nMC 200 300 0 0 080\r\n");
    layers.m_bLayerShow[5] = 0;
    CPropertySheet sheet = Sheet();
    const CPropertySheetRow& row = sheet.Rows().back();
    ASSERT_EQ(row.layers[6].nData, 6);
    sheet.SetChoice(0, 6);
    EXPECT_TRUE(sheet.Apply(doc).bChanged);
    EXPECT_EQ(Text(), "LI 0 0 10 10 5\r\nRV 0 0 5 5 5\r\nMC 200 300 0 0 080\r\n");
    EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{At(2)}); // a macro stays on layer 0
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.History().Count(), 2u);
}
