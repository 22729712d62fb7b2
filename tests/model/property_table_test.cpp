// Every class's editable properties: values refused, a value accepted, read
// back and written, and what new objects of the class take from it.
#include "../test_util.h"
#include "model/fontfaces.h"
#include "model/ellipse.h"
#include "model/pcbline.h"
#include "model/poly.h"
#include "model/prototypes.h"
#include "model/rectangle.h"
#include "model/text.h"

#include <functional>
#include <memory>

#include <vector>

namespace {
struct CExpectedProperty {
    const char* szName;
    const char* szAccepted;
    std::vector<const char*> refused;
    const char* szWritten; // the line once the value is accepted
};

struct CClassProperties {
    const char* szLine;
    std::vector<CExpectedProperty> rows;
};

class CTwoFaces : public IFontFaceSource {
public:
    std::vector<std::string> FixedPitchFaces() override {
        return {"Courier New", "Lucida Sans Typewriter"};
    }
};

const std::vector<const char*> kNotSiOrNo = {"si", "Yes", ""};

const std::vector<CClassProperties> kClasses = {
    {"RV 0 0 10 10", {{"Filled", "Si", kNotSiOrNo, "RP 0 0 10 10"}}},
    {"EV 0 0 10 10", {{"Filled", "Si", kNotSiOrNo, "EP 0 0 10 10"}}},
    {"PV 0 0 10 0 10 10", {{"Filled", "Si", kNotSiOrNo, "PP 0 0 10 0 10 10"}}},
    {"PL 0 0 10 0 3", {{"Thickness", "100", {"0", "101", "x"}, "PL 0 0 10 0 100"}}},
    {"PA 100 100 18 18 4 0",
     {{"SizeX", "30", {"1", "101", "4"}, "PA 100 100 30 18 4 0"}, // 4: no wider than the hole
      {"SizeY", "5", {"1", "101", "3"}, "PA 100 100 18 5 4 0"},
      {"IntDiam", "3", {"1", "18", "101"}, "PA 100 100 18 18 3 0"},
      {"Style", "SquareRounded", {"Rounded", "square", "2"}, "PA 100 100 18 18 4 2"}}},
    {"TY 10 20 5 3 0 0 2 * Hello",
     {{"Text", "Ciao mondo", {}, "TY 10 20 5 3 0 0 2 * Ciao mondo"},
      {"FontFace", "Arial", {}, "TY 10 20 5 3 0 0 2 Arial Hello"},
      {"FontHeight", "100", {"1", "101", "abc"}, "TY 10 20 100 3 0 0 2 * Hello"},
      {"FontWidth", "2", {"1", "101"}, "TY 10 20 5 2 0 0 2 * Hello"},
      {"RotationAngle", "359", {"360", "-1"}, "TY 10 20 5 3 359 0 2 * Hello"},
      {"bBold", "Si", {"si", "1"}, "TY 10 20 5 3 0 1 2 * Hello"},
      {"bItalic", "Si", {"SI"}, "TY 10 20 5 3 0 2 2 * Hello"},
      {"bMirrored", "Si", {"Yes"}, "TY 10 20 5 3 0 4 2 * Hello"},
      {"bUnderlined", "Si", {""}, "TY 10 20 5 3 0 8 2 * Hello"}}},
};
} // namespace

class PropertyTable : public ::testing::Test {
protected:
    void SetUp() override {
        ResetPrototypes();
        SetFontFaceSource(&m_faces);
    }
    void TearDown() override {
        SetFontFaceSource(nullptr);
        ResetPrototypes();
    }
    CTwoFaces m_faces;
};

TEST_F(PropertyTable, ValuesInRangeAreAcceptedAndOthersChangeNothing) {
    for (const CClassProperties& c : kClasses) {
        for (const CExpectedProperty& row : c.rows) {
            auto p = Read(c.szLine);
            const std::string line = Written(*p);
            std::string before, after;
            ASSERT_TRUE(p->GetProperty(row.szName, before)) << c.szLine << " " << row.szName;
            for (const char* bad : row.refused) {
                EXPECT_FALSE(p->SetProperty(row.szName, bad)) << row.szName << " = " << bad;
                EXPECT_TRUE(p->GetProperty(row.szName, after));
                EXPECT_EQ(after, before) << row.szName << " = " << bad;
                EXPECT_EQ(Written(*p), line) << row.szName << " = " << bad;
            }
            EXPECT_TRUE(p->SetProperty(row.szName, row.szAccepted)) << row.szName;
            EXPECT_TRUE(p->GetProperty(row.szName, after));
            EXPECT_EQ(after, row.szAccepted) << row.szName;
            EXPECT_EQ(Written(*p), std::string(row.szWritten) + "\r\n") << row.szName;
        }
    }
}

// A macro offers nothing to edit, but its name is its "Text".
TEST_F(PropertyTable, MacroAnswersItsNameAsAnUnlistedText) {
    auto m = Read("MC 200 300 0 0 080");
    ASSERT_TRUE(m);
    std::string value;
    EXPECT_TRUE(m->GetProperty("Text", value));
    EXPECT_EQ(value, "~080");
    EXPECT_TRUE(m->SetProperty("Text", "~090"));
    EXPECT_EQ(Written(*m), "MC 200 300 0 0 090\r\n");
}

// Numbers outside a choice list read as its last word, as they are drawn.
TEST_F(PropertyTable, PadStylesOutsideTheListReadAsTheLastWord) {
    for (const char* style : {"2", "7", "-1"}) {
        auto p = Read(std::string("PA 0 0 18 18 4 ") + style);
        std::string value;
        ASSERT_TRUE(p->GetProperty("Style", value));
        EXPECT_EQ(value, "SquareRounded") << style;
    }
}

// A value accepted from a selected primitive becomes the default of new ones of
// its class; the selection never does (a new text would start selected and
// vanish on the next click).
TEST_F(PropertyTable, NewPrimitivesTakeAcceptedValuesButNeverTheSelection) {
    using Make = std::function<std::unique_ptr<CPrimitive>()>;
    const int u = POINT_UNSET.x;
    const std::vector<std::pair<std::size_t, Make>> kNew = {
        {0, [&] { return std::make_unique<CRectangle>(1, 1, u, u, false); }},
        {1, [&] { return std::make_unique<CEllipse>(1, 1, u, u, false); }},
        {2, [&] { return std::make_unique<CPoly>(1, 1, u, u, u, u, false); }},
        {3, [&] { return std::make_unique<CPCBLine>(1, 1, u, u, false); }},
        {4, [&] { return std::make_unique<CPCBPad>(1, 1, false); }},
        {5, [&] { return std::make_unique<CExtendedText>(1, 1, "Testo"); }},
    };
    for (const auto& [nClass, make] : kNew) {
        const CClassProperties& c = kClasses[nClass];
        auto p = Read(c.szLine);
        p->SetSelected(true);
        for (const CExpectedProperty& row : c.rows)
            ASSERT_TRUE(p->SetProperty(row.szName, row.szAccepted)) << c.szLine;
        const auto fresh = make();
        std::string value;
        for (const CExpectedProperty& row : c.rows) {
            if (row.szName == std::string("Text")) continue; // typed anew every time
            ASSERT_TRUE(fresh->GetProperty(row.szName, value));
            EXPECT_EQ(value, row.szAccepted) << c.szLine << " " << row.szName;
        }
        EXPECT_FALSE(fresh->IsSelected()) << c.szLine;
    }
}
