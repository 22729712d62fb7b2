// Keys in progression, the key check and what a field may hold.
#include "doc/numbering.h"

#include <gtest/gtest.h>

TEST(Numbering, ShortNamesAreOneToEightWordCharacters) {
    const struct {
        const char* name;
        bool bValid;
    } cases[] = {{"R1", true},   {"abc_XYZ9", true}, {"", false},      {"ABCDEFGHI", false},
                 {"R-1", false}, {"R 1", false},     {"R\xe8", false}, {"_", true}};
    for (const auto& c : cases)
        EXPECT_EQ(IsValidShortName(c.name), c.bValid) << c.name;
}

TEST(Numbering, FieldsRefuseABracketAndControlCharacters) {
    const struct {
        std::string text;
        bool bValid;
    } cases[] = {{"Resistore 1/4 W", true},
                 {"Rele'\xe8", true},
                 {"", true},
                 {"a]b", false},
                 {"a\tb", false},
                 {"a\nb", false},
                 {std::string("a\0b", 3), false},
                 {"a\x7f", false},
                 {"[x", true}};
    for (const auto& c : cases)
        EXPECT_EQ(IsValidFieldText(c.text), c.bValid) << c.text;
}

TEST(Numbering, KeysFollowThePrefixStartIncrementAndZeros) {
    const struct {
        CNumbering n;
        std::size_t count;
        std::vector<std::string> keys;
    } cases[] = {
        {{"R", 1, 1, true}, 3, {"R1", "R2", "R3"}},
        {{"R", 8, 1, true}, 3, {"R08", "R09", "R10"}},
        {{"R", 8, 1, false}, 3, {"R8", "R9", "R10"}},
        {{"", 0, 5, true}, 3, {"00", "05", "10"}},
        {{"M", 0, 1, false}, 1, {"M0"}},
        {{"X", 98, 1, true}, 3, {"X098", "X099", "X100"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckNumbering(c.n, c.count), NUMBERING_OK) << c.n.prefix << c.n.nStart;
        EXPECT_EQ(NumberedKeys(c.n, c.count), c.keys) << c.n.prefix << c.n.nStart;
    }
}

TEST(Numbering, NumbersAreWorkedOutIn64Bits) {
    const CNumbering n{"", 100000000, 100000000, false};
    const std::vector<std::string> keys = NumberedKeys(n, 44);
    EXPECT_EQ(keys[21], "2200000000"); // past 2^31
    EXPECT_EQ(keys[43], "4400000000"); // past 2^32: would wrap to 7 digits and pass
    EXPECT_EQ(CheckNumbering(n, 44), NUMBERING_TOO_LONG);
}

TEST(Numbering, SettingsThatCannotNumberAreRefused) {
    const struct {
        CNumbering n;
        std::size_t count;
        NumberingCheck result;
    } cases[] = {
        {{"ABCDEFG", 10, 1, false}, 1, NUMBERING_TOO_LONG},
        {{"ABCDEFG", 1, 1, false}, 9, NUMBERING_OK},
        {{"ABCDEFG", 1, 1, false}, 10, NUMBERING_TOO_LONG}, // the last key has 9 characters
        {{"R-", 1, 1, false}, 1, NUMBERING_BAD_PREFIX},
        {{"R 1", 1, 1, false}, 1, NUMBERING_BAD_PREFIX},
        {{"", 99999999, 1, false}, 1, NUMBERING_OK},
        {{"", 99999999, 1, false}, 2, NUMBERING_TOO_LONG},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckNumbering(c.n, c.count), c.result) << c.n.prefix << " " << c.count;
}

TEST(Numbering, TheKeyIsReplacedAndEverythingAfterItKept) {
    const struct {
        const char* text;
        const char* after; // null: refused, the text untouched
    } cases[] = {
        {"[R1 Resistore]\nLI 1 2 3 4\n", "[K Resistore]\nLI 1 2 3 4\n"},
        {"[  R1 two  words ]\r\n", "[K two  words ]\r\n"},
        {"[R1]\n", "[K R1]\n"}, // empty key, title R1: the title stays a title
        {"[ R1]\n", "[K R1]\n"},
        {"[R1 ]\n", "[K ]\n"},
        {"  [R1 a]\n", "[K a]\n"},
        {"[R1 broken\nLI 1 2 3 4 ]\n", nullptr},
        {"R1 a]\n", nullptr},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ReplaceComponentKey(text, "K"), c.after != nullptr) << c.text;
        EXPECT_EQ(text, c.after ? c.after : c.text);
    }
}

TEST(Numbering, AllTextsAreNumberedAroundOneThatCannotBe) {
    std::vector<std::string> texts = {"[A a]\n", "[B b\n", "[C c]\nLI 1 2 3 4\n"};
    EXPECT_FALSE(NumberComponentTexts(texts, {"R", 8, 1, true}));
    EXPECT_EQ(texts, (std::vector<std::string>{"[R08 a]\n", "[B b\n", "[R10 c]\nLI 1 2 3 4\n"}));
}
