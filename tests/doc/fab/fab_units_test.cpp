// Lengths written and read in millimetres whatever the locale, dates, the zip's CRC,
// the job file's strings.
#include "doc/fab/fab_drill.h"
#include "doc/fab/fab_units.h"
#include "doc/fab/fab_zip.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(FabUnits, MillimetresAreWrittenWithAPointAndNoTrailingZeros) {
    // The decimal comma of the desktop must not reach the files.
    const char* old = std::setlocale(LC_NUMERIC, "it_IT.UTF-8");
    const struct {
        std::int64_t nm;
        const char* text;
    } kCases[] = {{0, "0"},          {127000, "0.127"},    {1270000, "1.27"},
                  {-500000, "-0.5"}, {3000000, "3"},       {1, "0.000001"},
                  {-1, "-0.000001"}, {2540000000, "2540"}, {1050, "0.00105"}};
    for (const auto& c : kCases)
        EXPECT_EQ(FormatMm(c.nm), c.text) << c.nm;
    if (old) std::setlocale(LC_NUMERIC, "C");
}

TEST(FabUnits, MillimetresAreReadAsTyped) {
    const struct {
        const char* text;
        bool bOk;
        std::int64_t nm;
    } kCases[] = {{"0.15", true, 150000}, {"2", true, 2000000},    {".5", true, 500000},
                  {"1.", true, 1000000},  {"0.0000001", false, 0}, {"", false, 0},
                  {"-1", false, 0},       {"1,5", false, 0},       {".", false, 0},
                  {"1e3", false, 0}};
    for (const auto& c : kCases) {
        std::int64_t nm = -7;
        EXPECT_EQ(ParseMm(c.text, nm), c.bOk) << c.text;
        if (c.bOk) {
            EXPECT_EQ(nm, c.nm) << c.text;
        }
    }
}

TEST(FabUnits, DatesAndChecksums) {
    EXPECT_EQ(FormatIsoDate(FabDateFromEpoch(0)), "1970-01-01T00:00:00+00:00");
    EXPECT_EQ(FormatIsoDate(FabDateFromEpoch(1796736305)), "2026-12-08T13:25:05+00:00");
    EXPECT_EQ(FormatIsoDate(FabDateFromEpoch(951782400)), "2000-02-29T00:00:00+00:00");
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32(""), 0u);
    EXPECT_EQ(JsonString("a\"b\\c\n\xE8"), "\"a\\\"b\\\\c\\u000a\\u00e8\"");
    EXPECT_EQ(JsonString("\x80\x9F"), "\"\\u20ac\\u0178\""); // Windows-1252, not Latin-1
}
