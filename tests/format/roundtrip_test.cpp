// Whatever the reader accepts, the writer writes so that it reads back the same.
#include "../test_util.h"
#include "format/writer.h"

#include <fstream>
#include <random>
#include <sstream>

namespace {
std::string WriteRead(const std::string& text) {
    CPrimitiveList list;
    ParseDrawingLines(text, list, nullptr);
    return FormatPrimitiveLines(list, false);
}
} // namespace

TEST(RoundTrip, TheGoldenDrawingReadsBackByteForByte) {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/all_commands.tvd", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string name;
    int err = 0;
    CPrimitiveList list;
    ASSERT_TRUE(ParseHeaderedText(ss.str(), &list, nullptr, &name, &err, nullptr, nullptr));
    const std::string once = FormatHeader("TAVOLIN", name) + FormatPrimitiveLines(list, false);
    std::ifstream gin(std::string(TEST_DATA_DIR) + "/all_commands.normalized.tvd", std::ios::binary);
    std::stringstream golden;
    golden << gin.rdbuf();
    EXPECT_EQ(once, golden.str());
    EXPECT_EQ(err, 1);
    ASSERT_TRUE(ParseHeaderedText(once, &list, nullptr, &name, &err, nullptr, nullptr));
    EXPECT_EQ(FormatHeader("TAVOLIN", name) + FormatPrimitiveLines(list, false), once);
    EXPECT_EQ(err, 0);
}

// Random lines of every keyword with random fields, including extreme numbers,
// missing fields and junk: the second write equals the first.
TEST(RoundTrip, RandomLinesAreStableAfterOneRewrite) {
    std::mt19937 rng(12345);
    const char* keys[] = {"LI", "SA", "BE", "PV", "PP", "EV", "EP", "RV", "RP",
                          "PL", "PA", "TY", "TX", "TE", "li", "XX"};
    const long long specials[] = {0, 1, -1, 2, 100, INT32_MAX, INT32_MIN, 4294967296LL};
    std::string text;
    for (int i = 0; i < 20000; ++i) {
        text += keys[rng() % 16];
        const int n = int(rng() % 24);
        for (int k = 0; k < n; ++k) {
            text += ' ';
            if (rng() % 5 == 0) text += std::to_string(specials[rng() % 8]);
            else text += std::to_string(int(rng() % 400) - 50);
        }
        if (rng() % 3 == 0) text += rng() % 2 ? " Face++Name some text" : " * x\ty";
        text += rng() % 2 ? "\r\n" : "\n";
    }
    const std::string once = WriteRead(text);
    EXPECT_EQ(WriteRead(once), once);
    EXPECT_GT(once.size(), text.size() / 4);
}

// Inputs the fuzzer found: a face of control characters only, and a text whose
// last blank stands before a control character.
TEST(RoundTrip, ControlCharactersAndBlanksBeforeThemAreStable) {
    for (const std::string& text : {std::string("TY2 5 4 3 0 0 0 \x04"), std::string("TE8 5 0 \0", 9),
                                   std::string("TY 1 1 5 3 0 0 0 * a b \x01" "c"),
                                   std::string("TY 1 1 5 3 0 0 0 \x02" "face ok")}) {
        const std::string once = WriteRead(text);
        EXPECT_FALSE(once.empty());
        EXPECT_EQ(WriteRead(once), once) << once;
    }
}
