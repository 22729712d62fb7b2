// Every class's editable properties: values refused, a value accepted, read
// back and written, and what new objects of the class take from it.
#include "model/ellipse.h"
#include "model/pcbline.h"
#include "model/rectangle.h"
#include "support/core_test.h"

namespace {
// written: the line once the value is accepted; makeNew: as the mouse makes one, none for macros.
// clang-format off
struct PropertyRow { const char* name; const char* accepted; std::vector<const char*> refused; const char* written; };
using Maker = std::function<std::unique_ptr<CPrimitive>()>;
struct ClassRows { const char* line; Maker makeNew; std::vector<PropertyRow> rows; };
// clang-format on

template <class T, class... A> Maker New(A... a) {
    return [=] { return std::make_unique<T>(a...); };
}
} // namespace

class Properties : public ::testing::Test {
  protected:
    void SetUp() override { ResetPrototypes(); }
    void TearDown() override { ResetPrototypes(); }
};

// A refused value changes nothing; an accepted one is read back, written, and
// becomes the default of new objects of the class, but the selection never does
// (a new text would start selected and vanish on the next click).
TEST_F(Properties, AcceptedValuesAreWrittenAndFeedThePrototypeRefusedOnesChangeNothing) {
    const int u = -1;
    const std::vector<const char*> yesNo = {"si", "Yes", ""}; // refused
    // clang-format off
    const ClassRows classes[] = {
        {"RV 0 0 10 10", New<CRectangle>(1, 1, u, u, false), {{"Filled", "Si", yesNo, "RP 0 0 10 10"}}},
        {"EV 0 0 10 10", New<CEllipse>(1, 1, u, u, false), {{"Filled", "Si", yesNo, "EP 0 0 10 10"}}},
        {"PV 0 0 10 0 10 10", New<CPoly>(1, 1, u, u, u, u, false), {{"Filled", "Si", yesNo, "PP 0 0 10 0 10 10"}}},
        {"PL 0 0 10 0 3", New<CPCBLine>(1, 1, u, u, false),
         {{"Thickness", "100", {"0", "101", "x"}, "PL 0 0 10 0 100"}}},
        {"PA 100 100 18 18 4 0", New<CPCBPad>(1, 1, false),
         {{"SizeX", "30", {"1", "101", "4"}, "PA 100 100 30 18 4 0"}, // 4: no wider than the hole
          {"SizeY", "5", {"1", "101", "3"}, "PA 100 100 30 5 4 0"},
          {"IntDiam", "3", {"1", "5", "101"}, "PA 100 100 30 5 3 0"},
          {"Style", "SquareRounded", {"Rounded", "square", "2"}, "PA 100 100 30 5 3 2"}}},
        {"TY 10 20 5 3 0 0 2 * Hello", New<CExtendedText>(1, 1, "Testo"),
         {{"FontFace", "Arial", {}, "TY 10 20 5 3 0 0 2 Arial Hello"},
          {"FontHeight", "100", {"1", "101", "abc"}, "TY 10 20 100 3 0 0 2 Arial Hello"},
          {"FontWidth", "2", {"1", "101"}, "TY 10 20 100 2 0 0 2 Arial Hello"},
          {"RotationAngle", "359", {"360", "-1"}, "TY 10 20 100 2 359 0 2 Arial Hello"},
          {"bBold", "Si", {"si", "1"}, "TY 10 20 100 2 359 1 2 Arial Hello"},
          {"bItalic", "Si", {"SI"}, "TY 10 20 100 2 359 3 2 Arial Hello"},
          {"bMirrored", "Si", {"Yes"}, "TY 10 20 100 2 359 7 2 Arial Hello"},
          {"bUnderlined", "Si", {""}, "TY 10 20 100 2 359 15 2 Arial Hello"},
          {"FontFace", "Lucida Sans", {}, "TY 10 20 100 2 359 15 2 Lucida++Sans Hello"},
          // Typed anew for every text; a line break never reaches the file.
          {"Text", "one\r\nLI 1 2 3 4", {}, "TY 10 20 100 2 359 15 2 Lucida++Sans one"}}},
        {"MC 200 300 0 0 080", nullptr, // a macro's name is an unlisted "Text"
         {{"Text", "~090", {}, "MC 200 300 0 0 090"}, {"Text", "~080\r\nLI 1 2 3 4", {}, "MC 200 300 0 0 080"}}},
    };
    // clang-format on
    for (const ClassRows& c : classes) {
        auto p = Read(c.line);
        ASSERT_TRUE(p) << c.line;
        p->SetSelected(true);
        std::string before, after;
        EXPECT_FALSE(p->SetProperty("Nothing", "1") || p->GetProperty("Nothing", after)) << c.line;
        for (const PropertyRow& row : c.rows) {
            const std::string line = Written(*p);
            ASSERT_TRUE(p->GetProperty(row.name, before)) << c.line << " " << row.name;
            for (const char* bad : row.refused) {
                EXPECT_FALSE(p->SetProperty(row.name, bad)) << row.name << " = " << bad;
                EXPECT_TRUE(p->GetProperty(row.name, after) && after == before &&
                            Written(*p) == line)
                    << row.name << " = " << bad;
            }
            EXPECT_TRUE(p->SetProperty(row.name, row.accepted)) << row.name;
            EXPECT_TRUE(p->GetProperty(row.name, after) && after == row.accepted) << row.name;
            EXPECT_EQ(Written(*p), std::string(row.written) + "\r\n") << row.name;
        }
        if (!c.makeNew) continue;
        const auto fresh = c.makeNew();
        EXPECT_FALSE(fresh->IsSelected()) << c.line;
        for (const PropertyRow& row : c.rows) {
            if (row.name == std::string("Text")) continue;
            EXPECT_TRUE(fresh->GetProperty(row.name, after) && p->GetProperty(row.name, before) &&
                        after == before)
                << c.line << " " << row.name;
        }
    }
    // Numbers outside a choice list read as its last word, as they are drawn.
    for (const char* style : {"2", "7", "-1"}) {
        std::string value;
        EXPECT_TRUE(Read(std::string("PA 0 0 18 18 4 ") + style)->GetProperty("Style", value) &&
                    value == "SquareRounded")
            << style;
    }
}
