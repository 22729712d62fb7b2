#include "format/scan.h"

#include <gtest/gtest.h>

TEST(FieldScanner, ReadsLikeDecimalScanning) {
    CFieldScanner sc(" 12 -3\t+4 7x 9");
    int a = 0, b = 0, c = 0, d = 0, e = 55;
    EXPECT_TRUE(sc.Int(a) && sc.Int(b) && sc.Int(c) && sc.Int(d));
    EXPECT_FALSE(sc.Int(e)); // "x" stops the reading
    EXPECT_EQ(a + b + c + d, 20);
    EXPECT_EQ(e, 55);
    EXPECT_EQ(sc.Count(), 4);
}

TEST(FieldScanner, NumbersNeedNoSeparatorAndALoneSignFails) {
    CFieldScanner sc("1-2");
    int a = 0, b = 0;
    EXPECT_TRUE(sc.Int(a) && sc.Int(b));
    EXPECT_EQ(b, -2);
    CFieldScanner sign("- 5");
    EXPECT_FALSE(sign.Int(a));
}

TEST(FieldScanner, OverflowSaturatesAndUnsignedWraps) {
    CFieldScanner sc("99999999999999999999999 -99999999999 -1");
    int a = 0, b = 0;
    std::uint32_t u = 0;
    EXPECT_TRUE(sc.Int(a) && sc.Int(b) && sc.UInt(u));
    EXPECT_EQ(a, INT32_MAX);
    EXPECT_EQ(b, INT32_MIN);
    EXPECT_EQ(u, 4294967295u);
}

TEST(FieldScanner, WordsStopAtWhiteSpace) {
    CFieldScanner sc("  Courier++New Hello");
    std::string w;
    EXPECT_TRUE(sc.Word(w));
    EXPECT_EQ(w, "Courier++New");
    CFieldScanner none("   ");
    EXPECT_FALSE(none.Word(w));
}

TEST(RestFromToken, SkipsWordsAndCutsAtControlCharacters) {
    EXPECT_EQ(RestFromToken("  a b  c d e", 2), "c d e");
    EXPECT_EQ(RestFromToken("a b", 2), "");
    EXPECT_EQ(RestFromToken("a b", 5), "");
    EXPECT_EQ(RestFromToken("a\tb text\there", 2), "text");
    EXPECT_EQ(RestFromToken("a b name with blanks  ", 2), "name with blanks  ");
    EXPECT_EQ(RestFromToken("a \x01 b", 1), "b"); // control bytes are blanks between words
}

TEST(Keyword, IsTheFirstTwoCharactersUpperCased) {
    EXPECT_TRUE(KeywordOf("  li 1 2") == "LI");
    EXPECT_TRUE(KeywordOf("L") != "LI");
    EXPECT_TRUE(KeywordOf("") != "LI");
    EXPECT_EQ(AfterKeyword("  LI5 5"), "5 5");
}
