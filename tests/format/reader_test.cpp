// Headers, line splitting and the error flag.
#include "../test_util.h"
#include "format/writer.h"
#include "model/line.h"

#include <cstdio>
#include <fstream>

namespace {
std::string Lines(const CPrimitiveList& list) { return FormatPrimitiveLines(list, false); }
} // namespace

TEST(ParseDrawingLines, SkipsBlankLinesFlagsRejectedOnesAndKeepsOrder) {
    CPrimitiveList list;
    int err = 7;
    ParseDrawingLines("LI 1 2 3 4\n  \t \nSA 5 6\n", list, &err);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(Lines(list), "LI 1 2 3 4\r\nSA 5 6\r\n");
    ParseDrawingLines("XX 1 2\nLI 1 2\nSA 1 1\nMC 10 10 0 0 nolib.xyz", list, &err);
    EXPECT_EQ(err, 1);
    EXPECT_EQ(Lines(list), "SA 1 1\r\n"); // the old content is gone
}

TEST(ParseDrawingLines, CrLfAndLfReadTheSameAndALastLineNeedsNoLf) {
    CPrimitiveList a, b;
    ParseDrawingLines("LI 1 2 3 4\r\nSA 5 6\r\n", a, nullptr);
    ParseDrawingLines("LI 1 2 3 4\nSA 5 6", b, nullptr);
    EXPECT_EQ(Lines(a), Lines(b));
    EXPECT_EQ(a.size(), 2u);
    // A CR alone does not end a line.
    ParseDrawingLines("SA 1 1\rSA 2 2", a, nullptr);
    EXPECT_EQ(Lines(a), "SA 1 1\r\n");
}

TEST(Header, KindsAndTheFirstMatchInTextOrder) {
    EXPECT_EQ(DetectTextKind("[TAVOLIN]"), TEXT_DRAWING);
    EXPECT_EQ(DetectTextKind("[  MACROCAD x]"), TEXT_MACRO);
    EXPECT_EQ(DetectTextKind("[TAVOLIB Libreria]"), TEXT_LIBRARY);
    EXPECT_EQ(DetectTextKind("garbage [x] [TAVOLIB a] [TAVOLIN b]"), TEXT_LIBRARY);
    EXPECT_EQ(DetectTextKind("[tavolin]"), TEXT_NONE);
    EXPECT_EQ(DetectTextKind("LI 1 2 3 4"), TEXT_NONE);
    EXPECT_EQ(DetectTextKind("["), TEXT_NONE);
    EXPECT_EQ(DetectTextKind(""), TEXT_NONE);
}

TEST(Header, NameKeepsTrailingBlanksAndThePrefixRuleApplies) {
    std::string name;
    int kind = 0;
    CPrimitiveList list;
    ASSERT_TRUE(ParseHeaderedText("[TAVOLIN   Title  ]\r\n", &list, nullptr, &name, nullptr, &kind,
                                  nullptr));
    EXPECT_EQ(name, "Title  ");
    EXPECT_EQ(kind, TEXT_DRAWING);
    ASSERT_TRUE(ParseHeaderedText("[TAVOLINX]", &list, nullptr, &name, nullptr, &kind, nullptr));
    EXPECT_EQ(name, "X");
    ASSERT_TRUE(ParseHeaderedText("junk [TAVOLIN]", &list, nullptr, &name, nullptr, &kind, nullptr));
    EXPECT_EQ(name, "");
}

TEST(Header, EveryControlByteIsABlankButTheLineFeedEndsTheHeader) {
    std::string name;
    int kind = 0;
    CPrimitiveList list;
    ASSERT_TRUE(ParseHeaderedText("[\vTAVOLIN t]", &list, nullptr, &name, nullptr, &kind, nullptr));
    EXPECT_EQ(name, "t");
    EXPECT_EQ(kind, TEXT_DRAWING);
    ASSERT_TRUE(
        ParseHeaderedText("[TAVOLIN\x1ft]", &list, nullptr, &name, nullptr, &kind, nullptr));
    EXPECT_EQ(name, "t");
    ASSERT_TRUE(ParseHeaderedText(std::string("[\0\x01\rMACROCAD\f\x7f]", 15), &list, nullptr,
                                  &name, nullptr, &kind, nullptr));
    EXPECT_EQ(name, "\x7f"); // DEL is above 32
    EXPECT_EQ(kind, TEXT_MACRO);
    // Bytes from 128 up are letters of the code page, not blanks.
    ASSERT_TRUE(
        ParseHeaderedText("[TAVOLIN\xA0t]", &list, nullptr, &name, nullptr, &kind, nullptr));
    EXPECT_EQ(name, "\xA0t");
    EXPECT_EQ(DetectTextKind("[\xA0TAVOLIN]"), TEXT_NONE);
    EXPECT_EQ(DetectTextKind("[\x1f\tTAVOLIB]"), TEXT_LIBRARY);
    EXPECT_FALSE(
        ParseHeaderedText("[TAVOLIN \r\n]", &list, nullptr, &name, nullptr, &kind, nullptr));
    EXPECT_EQ(DetectTextKind("[\nTAVOLIN]"), TEXT_NONE);
}

TEST(Header, MissingBracketOrALineFeedBeforeItFails) {
    CPrimitiveList list;
    int kind = 0;
    EXPECT_FALSE(ParseHeaderedText("[TAVOLIN\nLI 1 2 3 4]", &list, nullptr, nullptr, nullptr, &kind,
                                   nullptr));
    EXPECT_EQ(kind, TEXT_DRAWING); // the kind is known even when the header is malformed
    EXPECT_FALSE(ParseHeaderedText("[TAVOLIN", &list, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(ParseHeaderedText("LI 1 2 3 4", &list, nullptr, nullptr, nullptr, nullptr, nullptr));
}

TEST(Header, TheRestOfTheHeaderLineIsACommand) {
    CPrimitiveList list;
    int err = 0;
    ASSERT_TRUE(ParseHeaderedText("[TAVOLIN]LI 1 2 3 4", &list, nullptr, nullptr, &err, nullptr,
                                  nullptr));
    EXPECT_EQ(Lines(list), "LI 1 2 3 4\r\n");
    EXPECT_EQ(err, 0);
}

TEST(Header, LibraryTextsGoToTheirComponentsNotTheList) {
    std::vector<std::string> comps;
    std::vector<LibraryCategory> cats;
    CPrimitiveList list;
    int kind = 0;
    ASSERT_TRUE(ParseHeaderedText("[TAVOLIB L]\r\n{A}\r\n[1 One]\r\nLI 1 2 3 4\r\n", &list, &comps,
                                  nullptr, nullptr, &kind, &cats));
    EXPECT_EQ(kind, TEXT_LIBRARY);
    ASSERT_EQ(comps.size(), 1u);
    EXPECT_EQ(comps[0], "[1 One]\nLI 1 2 3 4\n");
    EXPECT_TRUE(list.empty());
    ASSERT_EQ(cats.size(), 2u);
    EXPECT_EQ(cats[1].name, "A");
}

TEST(ReadTextFile, ReadsRawOrParsedAndFailsOnAMissingFile) {
    const std::string path = testing::TempDir() + "reader_test.tvd";
    std::string big = "[TAVOLIN T]\r\n";
    for (int i = 0; i < 500; ++i) big += "LI 1 2 3 4\r\n"; // several read pieces
    std::ofstream(path, std::ios::binary) << big;
    std::string raw, name;
    ASSERT_TRUE(ReadTextFile(path, nullptr, nullptr, nullptr, nullptr, nullptr, &raw));
    EXPECT_EQ(raw, big);
    CPrimitiveList list;
    ASSERT_TRUE(ReadTextFile(path, &list, nullptr, &name, nullptr, nullptr, nullptr));
    EXPECT_EQ(list.size(), 500u);
    EXPECT_EQ(name, "T");
    std::remove(path.c_str());
    EXPECT_FALSE(ReadTextFile(path, &list, nullptr, nullptr, nullptr, nullptr, &raw));
}

TEST(Writer, HeaderAndCompleteLinesOnly) {
    CPrimitiveList list;
    ParseDrawingLines("LI 10 10 40 10\nSA 40 10 3\n", list, nullptr);
    list.push_back(std::make_unique<CLine>(1, 1, -1, -1, false)); // still being drawn
    EXPECT_EQ(FormatHeader("TAVOLIN", "") + Lines(list),
              "[TAVOLIN ]\r\nLI 10 10 40 10\r\nSA 40 10 3\r\n");
}
