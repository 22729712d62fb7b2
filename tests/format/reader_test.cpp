// Headers, line splitting and the error flag.
#include "../test_util.h"
#include "format/writer.h"
#include "model/line.h"

TEST(ParseDrawingLines, BlankLinesSkippedRejectedOnesFlaggedOldContentReplaced) {
    const std::tuple<std::string, std::string, int> rows[] = {
        {"LI 1 2 3 4\n  \t \nSA 5 6\n", "LI 1 2 3 4\r\nSA 5 6\r\n", 0},
        {"XX 1 2\nLI 1 2\nSA 1 1\nMC 10 10 0 0 nolib.xyz", "SA 1 1\r\n", 1},
        {"LI 1 2 3 4\r\nSA 5 6", "LI 1 2 3 4\r\nSA 5 6\r\n", 0}, // the last line needs no LF
        {"SA 1 1\rSA 2 2", "SA 1 1\r\n", 0},                     // a CR alone ends nothing
    };
    CPrimitiveList list;
    for (const auto& [text, lines, error] : rows) {
        int err = 7;
        ParseDrawingLines(text, list, &err);
        EXPECT_EQ(FormatPrimitiveLines(list, false), lines) << text;
        EXPECT_EQ(err, error) << text;
    }
}

// The first header in the text decides; every control byte but the line feed is
// a blank; bytes from 128 up are letters of the code page.
TEST(Header, KindNameAndTheFirstMatchInTextOrder) {
    // The kind as detected; ok: the header is well formed.
    // clang-format off
    const struct { std::string text; int kind; bool ok; const char* name; } rows[] = {
        {"[TAVOLIN]", TEXT_DRAWING, true, ""},
        {"[  MACROCAD x]", TEXT_MACRO, true, "x"},
        {"[TAVOLIB Libreria]", TEXT_LIBRARY, true, "Libreria"},
        {"garbage [x] [TAVOLIB a] [TAVOLIN b]", TEXT_LIBRARY, true, "a"},
        {"[TAVOLIN   Title  ]\r\n", TEXT_DRAWING, true, "Title  "},
        {"[TAVOLINX]", TEXT_DRAWING, true, "X"},
        {"junk [TAVOLIN]", TEXT_DRAWING, true, ""},
        {"[TAVOLIN\x1ft]", TEXT_DRAWING, true, "t"},
        {std::string("[\0\x01\rMACROCAD\f\x7f]", 15), TEXT_MACRO, true, "\x7f"},
        {"[TAVOLIN\xA0t]", TEXT_DRAWING, true, "\xA0t"},
        {"[\x1f\tTAVOLIB]", TEXT_LIBRARY, true, ""},
        {"[TAVOLIN \r\n]", TEXT_DRAWING, false, ""},
        {"[TAVOLIN\nLI 1 2 3 4]", TEXT_DRAWING, false, ""},
        {"[TAVOLIN", TEXT_DRAWING, false, ""},
        {"[\xA0TAVOLIN]", TEXT_NONE, false, ""},
        {"[\nTAVOLIN]", TEXT_NONE, false, ""},
        {"[tavolin]", TEXT_NONE, false, ""},
        {"LI 1 2 3 4", TEXT_NONE, false, ""},
        {"", TEXT_NONE, false, ""},
    };
    // clang-format on
    for (const auto& r : rows) {
        EXPECT_EQ(DetectTextKind(r.text), r.kind) << r.text;
        CPrimitiveList list;
        std::vector<std::string> comps;
        std::vector<LibraryCategory> cats;
        std::string name;
        int kind = TEXT_NONE;
        EXPECT_EQ(ParseHeaderedText(r.text, &list, &comps, &name, nullptr, &kind, &cats), r.ok)
            << r.text;
        EXPECT_EQ(kind, r.kind) << r.text;
        EXPECT_EQ(name, r.name) << r.text;
    }
    CPrimitiveList list; // the rest of the header line is a command
    int err = 1;
    ASSERT_TRUE(
        ParseHeaderedText("[TAVOLIN]LI 1 2 3 4", &list, nullptr, nullptr, &err, nullptr, nullptr));
    EXPECT_EQ(FormatPrimitiveLines(list, false), "LI 1 2 3 4\r\n");
    EXPECT_EQ(err, 0);
}

TEST(Writer, CompleteLinesOnly) {
    CPrimitiveList list;
    list.push_back(std::make_unique<CLine>(1, 2, 3, 4, false));
    list.push_back(std::make_unique<CLine>(1, 1, -1, -1, false)); // still being drawn
    EXPECT_EQ(FormatPrimitiveLines(list, false), "LI 1 2 3 4\r\n");
}
