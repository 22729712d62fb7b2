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

std::string FileText(const char* name) {
    std::stringstream ss;
    ss << std::ifstream(std::string(TEST_DATA_DIR) + "/" + name, std::ios::binary).rdbuf();
    return ss.str();
}
} // namespace

// A drawing of every command, once read and written, is the normalised file;
// that one reads and writes back byte for byte, with nothing refused.
TEST(RoundTrip, TheGoldenDrawingReadsBackByteForByte) {
    std::string text = FileText("all_commands.tvd"), name;
    for (int expectedError : {1, 0}) {
        CPrimitiveList list;
        int err = -1;
        ASSERT_TRUE(ParseHeaderedText(text, &list, nullptr, &name, &err, nullptr, nullptr));
        text = FormatHeader("TAVOLIN", name) + FormatPrimitiveLines(list, false);
        EXPECT_EQ(text, FileText("all_commands.normalized.tvd"));
        EXPECT_EQ(err, expectedError);
    }
}

// Every keyword: a line read and written again, or rejected. Upper or lower
// case, no blank needed after the keyword, a missing y is -1, a zero layer is
// not written, what follows the last field is dropped.
TEST(RoundTrip, EveryKeywordLineInLineOutOrRejected) {
    const std::string ten = " 0 0 1 0 2 0 3 0 4 0 5 5 4 9 3 9 2 9 1 9";
    const std::string face(5000, 'F');
    const std::pair<std::string, std::string> cases[] = {
        {"  li5 5 10 10", "LI 5 5 10 10\r\n"},
        {"LI 1-2 +3 4", "LI 1 -2 3 4\r\n"}, // numbers as the decimal conversion reads them
        {"LI 99999999999 -99999999999 0 0", "LI 2147483647 -2147483648 0 0\r\n"},
        {"LI - 5 1 2 3", "<rejected>"},
        {"L 1 2 3 4", "<rejected>"},
        {"LI 1 2 3 4 99", "LI 1 2 3 4 99\r\n"},
        {"LI 1 2 3 4 0", "LI 1 2 3 4\r\n"},
        {"LI 1 2 3 4 7 junk 9", "LI 1 2 3 4 7\r\n"},
        {"LI 1 2 3", "LI 1 2 3 -1\r\n"}, // (3, -1) is an ordinary point
        {"LI 1 2", "<rejected>"},
        {"LI -1 -1 5 5", "<rejected>"},
        {"LI 1 2 x 4", "<rejected>"},
        {"SA 40 10 0", "SA 40 10\r\n"},
        {"SA 40", "SA 40 -1\r\n"},
        {"SA", "<rejected>"},
        {"be 100 100 101 98 104 98 105 100 4", "BE 100 100 101 98 104 98 105 100 4\r\n"},
        {"BE 100 100 101 98 104 98 105", "BE 100 100 101 98 104 98 105 -1\r\n"},
        {"BE 100 100 101 98 104 98", "<rejected>"},
        {"rv 10 20 50 60 3", "RV 10 20 50 60 3\r\n"},
        {"EV 50 60 10 20", "EV 50 60 10 20\r\n"}, // corners not normalised
        {"EP 1 2 3 4 15", "EP 1 2 3 4 15\r\n"},
        {"EV 1 2", "<rejected>"},
        {"PV 0 0 10 0 10 10 5", "PV 0 0 10 0 10 10 5\r\n"},
        {"PP" + ten, "PP" + ten + "\r\n"},
        {"PP" + ten + " 7 8 9", "PP" + ten + " 7\r\n"}, // ten vertices, then the layer
        {"PV 1 2 3 4", "PV 1 2 3 4\r\n"},               // short ones written as read
        {"PV 5 6 7", "PV 5 6 7\r\n"},
        {"PV", "<rejected>"},
        {"PV 7", "<rejected>"},
        {"PV 0 0 -1 -1 5 5", "<rejected>"},
        {"PL 10 10 50 10 3 2", "PL 10 10 50 10 3 2\r\n"},
        {"PL 10 10 50 10", "PL 10 10 50 10 2\r\n"}, // empty-object thickness
        {"PL 10 10 50 10 0", "<rejected>"},
        {"PA 100 100 18 18 4 0 1", "PA 100 100 18 18 4 0 1\r\n"},
        {"PA 100 100 18 18 18 0", "<rejected>"}, // the hole as wide as the pad
        {"PA 100 100 18 18 0 0", "<rejected>"},
        {"PA 100 100", "PA 100 100 9 9 3 0\r\n"},
        {"PA 100 100 18 18 4 7", "PA 100 100 18 18 4 7\r\n"}, // odd style kept
        {"TY 10 20 5 3 0 0 2 Courier++New Hello world", "TY 10 20 5 3 0 0 2 * Hello world\r\n"},
        {"TY 1 2 5 3 0 0 0 Lucida++Sans++Typewriter x",
         "TY 1 2 5 3 0 0 0 Lucida++Sans++Typewriter x\r\n"},
        {"TY 0 0 5 3 0 0 0 " + face + " t", "TY 0 0 5 3 0 0 0 " + face + " t\r\n"},
        {"TY 0 0 5 3 0 -1 0 * t", "TY 0 0 5 3 0 4294967295 0 * t\r\n"},
        {"TY 0 0 5 3 0 0 -3 * t", "TY 0 0 5 3 0 0 -3 * t\r\n"},
        {"TY 0 0 5 3 0 0 0 * a  b  ", "TY 0 0 5 3 0 0 0 * a  b\r\n"}, // kept, not written
        {"TY 0 0 5 3 0 0 0 * left\tright", "TY 0 0 5 3 0 0 0 * left\r\n"},
        {"TY 0 0 5 3 0 0 0 * \x01 t", "TY 0 0 5 3 0 0 0 * t\r\n"},
        {"TY 0 0 5 3 0 0 0 * caff\xe8 \x80", "TY 0 0 5 3 0 0 0 * caff\xe8 \x80\r\n"},
        {"TY x 10", "<rejected>"},
        {"TE 10 20 abc", "TY 10 20 5 3 0 0 0 * abc\r\n"},
        {"TE", "<rejected>"},
        {"TX 10 20 8 6 90 1 Arial Title", "TY 10 20 8 6 90 1 0 Arial Title\r\n"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(Normalised(in), out) << in;
        if (out != "<rejected>") {
            EXPECT_EQ(Normalised(out), out) << in;
        }
    }
}

// Random lines of every keyword with random fields, including extreme numbers,
// missing fields and junk, after the inputs the fuzzer found (a face of control
// characters only, a text whose last blank stands before a control character):
// the second write equals the first.
TEST(RoundTrip, RandomLinesAreStableAfterOneRewrite) {
    std::string text = std::string("TY2 5 4 3 0 0 0 \x04\nTE8 5 0 \0\n", 28) +
                       "TY 1 1 5 3 0 0 0 * a b \x01"
                       "c\nTY 1 1 5 3 0 0 0 \x02"
                       "face ok\n";
    const std::string found = WriteRead(text);
    EXPECT_EQ(std::count(found.begin(), found.end(), '\n'), 4);
    std::mt19937 rng(12345);
    const char* keys[] = {"LI", "SA", "BE", "PV", "PP", "EV", "EP", "RV",
                          "RP", "PL", "PA", "TY", "TX", "TE", "li", "XX"};
    const long long specials[] = {0, 1, -1, 2, 100, INT32_MAX, INT32_MIN, 4294967296LL};
    for (int i = 0; i < 20000; ++i) {
        text += keys[rng() % 16];
        const int n = int(rng() % 24);
        for (int k = 0; k < n; ++k) {
            text += ' ';
            if (rng() % 5 == 0)
                text += std::to_string(specials[rng() % 8]);
            else
                text += std::to_string(int(rng() % 400) - 50);
        }
        if (rng() % 3 == 0) text += rng() % 2 ? " Face++Name some text" : " * x\ty";
        text += rng() % 2 ? "\r\n" : "\n";
    }
    const std::string once = WriteRead(text);
    EXPECT_EQ(WriteRead(once), once);
    EXPECT_GT(once.size(), text.size() / 4);
}
