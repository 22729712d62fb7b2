#include "model/fontfaces.h"
#include "support/core_test.h"
#include "view/forms/property_labels.h"
#include "view/forms/property_sheet.h"

class PropertySheet : public ::testing::Test, public IFontFaceSource {
  protected:
    std::vector<std::string> FixedPitchFaces() override {
        return {"Lucida Console", "Courier New", "Courier"};
    }
    void SetUp() override {
        ResetPrototypes();
        SetFontFaceSource(this);
    }
    void TearDown() override {
        SetFontFaceSource(nullptr);
        ResetPrototypes();
    }
    // Loads the lines, all selected in order, and makes their sheet.
    CPropertySheet Load(const std::string& lines) {
        EXPECT_TRUE(doc.Load("[TAVOLIN]\r\n" + lines));
        for (const auto& p : doc.Primitives())
            doc.Select(p.get(), true);
        return CPropertySheet(doc.Selection(), layers);
    }
    std::string Text() const { return FormatPrimitiveLines(doc.Primitives(), false); }

    CLayerTable layers;
    CLibraryState m_library;
    CSchemoDoc doc{DOC_DRAWING, nullptr, m_library.context};
};

TEST_F(PropertySheet, OffersOnlyWhatEverySelectedPrimitiveDescribesThenTheLayer) {
    // clang-format off
    const struct { const char* szLines; const char* rows; } kCases[] = {
        {"RP 0 0 10 10\r\nEV 0 0 5 5\r\nPV 0 0 9 0 9 9\r\n", "Filled Layer "},
        // A macro answers to "Text" (its name) but does not offer it: renaming
        // it from here would lose its symbol.
        {"TY 0 0 5 3 0 0 0 * A\r\nMC 200 300 0 0 080\r\n", "Layer "},
        {"TY 0 0 5 3 0 0 0 * A\r\nTY 9 9 8 3 0 1 4 * B\r\n",
         "Text FontFace FontHeight FontWidth RotationAngle bBold bItalic bMirrored bUnderlined Layer "},
        {"PA 0 0 18 18 4 0\r\n", "SizeX SizeY IntDiam Style Layer "}};
    // clang-format on
    for (const auto& c : kCases) {
        std::string names;
        const CPropertySheet sheet = Load(c.szLines);
        for (const CPropertySheetRow& row : sheet.Rows())
            names += row.strName + " ";
        EXPECT_EQ(names, c.rows) << c.szLines;
    }
    doc.ClearSelection();
    EXPECT_TRUE(CPropertySheet(doc.Selection(), layers).Rows().empty());
}

// The dialog shows labels, not the names in the file; two rows of one
// primitive never read alike.
TEST_F(PropertySheet, EveryRowOfEveryKindHasALabelOfItsOwn) {
    std::string shown;
    for (const char* line :
         {"LI 0 0 9 0\r\n", "SA 4 4\r\n", "BE 0 0 1 2 3 2 4 0\r\n", "RP 0 0 9 9\r\n",
          "EV 0 0 9 9\r\n", "PP 0 0 9 0 9 9\r\n", "PL 0 0 9 0 3\r\n", "PA 0 0 18 18 4 0\r\n",
          "TY 0 0 5 3 0 0 0 * A\r\n", "MC 200 300 0 0 080\r\n"}) {
        std::set<std::string> labels;
        const CPropertySheet sheet = Load(line);
        for (const CPropertySheetRow& row : sheet.Rows()) {
            const std::string label = PropertyLabel(row.strName);
            EXPECT_TRUE(label != row.strName || label == PROPERTY_LAYER_ROW) << label;
            EXPECT_TRUE(labels.insert(label).second) << label << " in " << line;
            if (row.strName == "FontFace" || row.strName == "bBold" || row.strName == "IntDiam")
                shown += label + "|";
        }
        doc.ClearSelection();
    }
    EXPECT_EQ(shown, "Diametro del foro|Carattere|Grassetto|");
}

TEST_F(PropertySheet, ShowsAValueOnlyWhereAllAgree) {
    const CPropertySheet sheet = Load("TY 0 0 5 3 0 1 2 * A\r\nTY 9 9 8 3 0 1 4 * B\r\n");
    EXPECT_EQ(sheet.Rows()[2].strShown + "|" + sheet.Rows()[3].strShown, "|3");
    EXPECT_EQ(sheet.Rows()[2].nStart, 5); // the arrows start from the first text's height
    EXPECT_EQ(sheet.Rows()[5].choices, (std::vector<std::string>{"(indeterminato)", "No", "Si"}));
    EXPECT_TRUE(sheet.Rows()[5].nShown == 2 && sheet.Rows().back().nShown == 0); // both bold

    EXPECT_EQ(Load("RP 0 0 10 10\r\nEV 0 0 5 5\r\n").Rows()[0].nShown, 0); // filled, not
}

// A face or a layer name that begins another's must not show the other. nFace among
// "(indeterminato)", "Courier", "Courier New", "Lucida Console"; -1: no item.
TEST_F(PropertySheet, ChoicesAreMatchedExactlyAndLayersByNumber) {
    // clang-format off
    const struct { const char* szLine; int nFace, nLayer; } kCases[] = {
        {"TY 0 0 5 3 0 0 1 Courier A\r\n", 1, 2}, {"TY 0 0 5 3 0 0 3 Courier++New A\r\n", 2, 4},
        {"TY 0 0 5 3 0 0 0 courier++new A\r\n", -1, 1}, {"TY 0 0 5 3 0 0 0 Lucida A\r\n", -1, 1},
        {"TY 0 0 5 3 0 0 20 Lucida++Console A\r\n", 3, -1}}; // a layer no item has
    // clang-format on
    layers.m_strLayerName[3] = "PCB"; // begins "PCB lato rame", layer 1
    for (const auto& c : kCases) {
        const CPropertySheet sheet = Load(c.szLine);
        EXPECT_EQ(std::make_pair(sheet.Rows()[1].nShown, sheet.Rows().back().nShown),
                  std::make_pair(c.nFace, c.nLayer))
            << c.szLine;
    }
}

// A value goes to the primitives that accept it; a row that another row makes
// acceptable (a smaller hole for a smaller pad) is taken whatever the order.
// Nothing changed, nothing is edited; a change is one undo step.
TEST_F(PropertySheet, EditedRowsGoToThePrimitivesThatAcceptThemAsOneStep) {
    const char* const kTexts = "TY 0 0 5 7 0 0 2 * A\r\nTY 9 9 8 7 0 0 2 * B\r\n";
    // clang-format off
    // Edits (row, value; "#n": choose item n), the rows refused, the lines after (null: unchanged).
    const struct { const char* before; std::vector<std::pair<std::size_t, std::string>> edits;
                   std::vector<std::size_t> refused; const char* after; std::size_t nSelected; } cases[] = {
        {kTexts, {{2, "150"}}, {2}, nullptr, 2},
        {kTexts, {{2, "12"}}, {}, "TY 0 0 12 7 0 0 2 * A\r\nTY 9 9 12 7 0 0 2 * B\r\n", 2},
        {"PA 0 0 18 18 4 0\r\nPA 9 9 18 18 9 0\r\n", {{0, "9"}}, {0}, "PA 0 0 9 18 4 0\r\nPA 9 9 18 18 9 0\r\n", 2},
        {"PA 0 0 18 18 4 0\r\n", {{0, "3"}, {2, "2"}, {3, "#2"}}, {}, "PA 0 0 3 18 2 1\r\n", 1},
        // The macro stays on layer 0; layer 5 is hidden.
        {"LI 0 0 10 10 1\r\nRV 0 0 5 5 3\r\nMC 200 300 0 0 080\r\n", {{0, "#6"}}, {},
         "LI 0 0 10 10 5\r\nRV 0 0 5 5 5\r\nMC 200 300 0 0 080\r\n", 1},
        // Never passed on: the indeterminate value, an empty box, what is shown.
        {kTexts, {{0, "(indeterminato)"}, {2, ""}, {1, "#0"}, {5, "#1"}, {9, "#3"}}, {}, nullptr, 2}};
    // clang-format on
    layers.m_bLayerShow[5] = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        CPropertySheet sheet = Load(c.before);
        for (const auto& [row, value] : c.edits)
            value[0] == '#' ? sheet.SetChoice(row, std::stoi(value.substr(1)))
                            : sheet.SetText(row, value);
        const CPropertyApplyResult result = sheet.Apply(doc);
        EXPECT_EQ(result.refused, c.refused);
        EXPECT_EQ(Text(), c.after ? c.after : c.before);
        EXPECT_EQ(doc.Selection().size(), c.nSelected);
        const bool bChanged = c.after != nullptr;
        EXPECT_TRUE(result.bChanged == bChanged && doc.IsModified() == bChanged);
        EXPECT_EQ(doc.History().Count(), bChanged ? 2u : 1u);
        EXPECT_TRUE(!bChanged || (doc.Undo() && Text() == c.before));
    }
    // The values shown become the defaults of new texts; the selection does not.
    const CExtendedText fresh(0, 0, "Testo");
    std::string width;
    EXPECT_TRUE(fresh.GetProperty("FontWidth", width) && width == "7" && !fresh.IsSelected());
}
