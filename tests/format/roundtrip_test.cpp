// Whatever the reader accepts, the writer writes so that it reads back the same.
#include "support/core_test.h"

namespace {
std::string WriteRead(const std::string& text) {
    return FormatPrimitiveLines(ReadList(text), false);
}
} // namespace

// A drawing of every command, once read and written, is the normalised file;
// that one reads and writes back byte for byte, with nothing refused.
TEST(RoundTrip, TheGoldenDrawingReadsBackByteForByte) {
    CLibraryState library;
    const std::string dir = std::string(TEST_DATA_DIR) + "/";
    std::string golden, name;
    ASSERT_TRUE(ReadTextFile(dir + "all_commands.normalized.tvd", nullptr, nullptr, nullptr,
                             nullptr, nullptr, &golden, &library.context));
    for (const auto& [file, refused] :
         {std::pair{"all_commands.tvd", 1}, std::pair{"all_commands.normalized.tvd", 0}}) {
        CPrimitiveList list;
        int err = -1;
        ASSERT_TRUE(ReadTextFile(dir + file, &list, nullptr, &name, &err, nullptr, nullptr,
                                 &library.context));
        EXPECT_EQ(FormatHeader("TAVOLIN", name) + FormatPrimitiveLines(list, false), golden);
        EXPECT_EQ(err, refused) << file;
    }
    EXPECT_FALSE(ReadTextFile(dir + "none.tvd", nullptr, nullptr, nullptr, nullptr, nullptr, &name,
                              &library.context));
}

// Every keyword: a line read and written again, or rejected. Upper or lower
// case, no blank needed after the keyword, numbers as the decimal conversion
// reads them, a zero layer is not written, what follows the last field is
// dropped.
TEST(RoundTrip, EveryKeywordLineInLineOutOrRejected) {
    const std::string ten = " 0 0 1 0 2 0 3 0 4 0 5 5 4 9 3 9 2 9 1 9";
    const std::string face = "TY 0 0 5 3 0 0 0 " + std::string(5000, 'F') + " t";
    const std::pair<std::string, std::string> normalised[] = {
        {"PP" + ten, "PP" + ten},
        {face, face},
        {"  li5 5 10 10", "LI 5 5 10 10"},
        {"LI 1-2 +3 4", "LI 1 -2 3 4"},
        {"LI 99999999999 -99999999999 0 0", "LI 2147483647 -2147483648 0 0"},
        {"LI 1 2 3 4 0", "LI 1 2 3 4"},
        {"LI 1 2 3 4 7 junk 9", "LI 1 2 3 4 7"},
        {"LI 1 2 3 -1", "LI 1 2 3 -1"}, // (3, -1) is an ordinary point
        {"SA 40 10 0", "SA 40 10"},
        {"rv 10 20 50 60 3", "RV 10 20 50 60 3"},
        {"PP" + ten + " 7 8 9", "PP" + ten + " 7"}, // ten vertices, then the layer
        {"TY 10 20 5 3 0 0 2 Courier++New Hello world", "TY 10 20 5 3 0 0 2 * Hello world"},
        {"TY 0 0 5 3 0 -1 0 * t", "TY 0 0 5 3 0 4294967295 0 * t"},
        {"TY 0 0 5 3 0 0 0 * a  b  ", "TY 0 0 5 3 0 0 0 * a  b"}, // kept, not written
        {"TY 0 0 5 3 0 0 0 * left\tright", "TY 0 0 5 3 0 0 0 * left"},
        {"TY 0 0 5 3 0 0 0 * \x01 t", "TY 0 0 5 3 0 0 0 * t"},
        {"TE 10 20 abc", "TY 10 20 5 3 0 0 0 * abc"},
        {"TX 10 20 8 6 90 1 Arial Title", "TY 10 20 8 6 90 1 0 Arial Title"},
    };
    for (const char* line :
         {"LI 1 2 3 4 99", "SA 40 10 3", "EV 50 60 10 20", "EP 1 2 3 4 15", "PV 0 0 10 0 10 10 5",
          "PV 1 2 3 4", "PV 5 6 7", "PL 10 10 50 10 3 2", "PA 100 100 18 18 4 0 1",
          "PA 100 100 18 18 4 7", "TY 1 2 5 3 0 0 0 Lucida++Sans++Typewriter x",
          "TY 0 0 5 3 0 0 -3 * t", "TY 0 0 5 3 0 0 0 * caff\xe8 \x80"})
        EXPECT_EQ(Normalised(line), line + std::string("\r\n")) << line;
    for (const auto& [in, out] : normalised) {
        EXPECT_EQ(Normalised(in), out + "\r\n") << in;
        EXPECT_EQ(Normalised(out), out + "\r\n") << in;
    }
    // A hole as wide as the pad, or none, is refused.
    for (const char* line :
         {"LI 1 2", "LI -1 -1 5 5", "LI 1 2 x 4", "LI - 5 1 2 3", "L 1 2 3 4", "SA",
          "BE 100 100 101 98 104 98", "EV 1 2", "PV", "PV 7", "PV 0 0 -1 -1 5 5",
          "PL 10 10 50 10 0", "PA 100 100 18 18 18 0", "PA 100 100 18 18 0 0", "TY x 10", "TE"})
        EXPECT_EQ(Normalised(line), "<rejected>") << line;
}

// Inputs the fuzzer found (a face of control characters only, a text whose
// last blank stands before a control character) are stable after one rewrite.
TEST(RoundTrip, FuzzerFindsAreStableAfterOneRewrite) {
    const std::string text = std::string("TY2 5 4 3 0 0 0 \x04\nTE8 5 0 \0\n", 28) +
                             "TY 1 1 5 3 0 0 0 * a b \x01"
                             "c\nTY 1 1 5 3 0 0 0 \x02"
                             "face ok\n";
    const std::string once = WriteRead(text);
    EXPECT_EQ(std::count(once.begin(), once.end(), '\n'), 4);
    EXPECT_EQ(WriteRead(once), once);
}

// The reader skips the blanks after the field before a text or a name.
TEST(RoundTrip, ATextOrNameStartingWithBlanksIsWrittenAsItReadsBack) {
    const struct {
        const char *line, *name, *value, *written;
    } cases[] = {{"TY 0 0 5 3 0 0 0 * t", "Text", "  lead", "TY 0 0 5 3 0 0 0 * lead\r\n"},
                 {"TY 0 0 5 3 0 0 0 * t", "Text", " ", "TY 0 0 5 3 0 0 0 * \r\n"}};
    for (const auto& c : cases) {
        auto p = Read(c.line);
        ASSERT_TRUE(p && p->SetProperty(c.name, c.value)) << c.value;
        std::string line, again;
        p->GetTextLine(line, false);
        auto q = Read(line);
        ASSERT_TRUE(q) << line;
        q->GetTextLine(again, false);
        EXPECT_TRUE(line == c.written && again == line) << line << again;
    }
}
