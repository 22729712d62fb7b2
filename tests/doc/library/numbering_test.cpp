// What a key and a field may hold, keys in progression, and the key replaced
// in a component's text.
#include "doc/library/numbering.h"

#include <gtest/gtest.h>

TEST(Numbering, KeysAreOneToEightWordCharactersFieldsHoldNoBracketOrControl) {
    const struct {
        std::string text;
        bool bKey, bField;
    } rows[] = {
        {"R1", true, true},         {"abc_XYZ9", true, true},
        {"_", true, true},          {"", false, true},
        {"ABCDEFGHI", false, true}, {"R-1", false, true},
        {"R 1", false, true},       {"R\xe8", false, true},
        {"[x", false, true},        {"a]b", false, false},
        {"a\tb", false, false},     {"a\nb", false, false},
        {"a\x7f", false, false},    {std::string("a\0b", 3), false, false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(IsValidShortName(r.text), r.bKey) << r.text;
        EXPECT_EQ(IsValidFieldText(r.text), r.bField) << r.text;
    }
}

// Numbers are worked out in 64 bits: the last row's last key is past 2^32.
TEST(Numbering, KeysFollowThePrefixStartIncrementAndZerosUpToEightCharacters) {
    const struct {
        CNumbering n;
        std::size_t count;
        NumberingCheck check;
        const char* firstAndLast;
    } rows[] = {
        {{"R", 8, 1, true}, 3, NUMBERING_OK, "R08 R10"},
        {{"R", 8, 1, false}, 3, NUMBERING_OK, "R8 R10"},
        {{"", 0, 5, true}, 3, NUMBERING_OK, "00 10"},
        {{"X", 98, 1, true}, 3, NUMBERING_OK, "X098 X100"},
        {{"ABCDEFG", 1, 1, false}, 9, NUMBERING_OK, "ABCDEFG1 ABCDEFG9"},
        {{"ABCDEFG", 1, 1, false}, 10, NUMBERING_TOO_LONG, "ABCDEFG1 ABCDEFG10"},
        {{"", 99999999, 1, false}, 1, NUMBERING_OK, "99999999 99999999"},
        {{"", 99999999, 1, false}, 2, NUMBERING_TOO_LONG, "99999999 100000000"},
        {{"R-", 1, 1, false}, 1, NUMBERING_BAD_PREFIX, "R-1 R-1"},
        {{"", 100000000, 100000000, false}, 44, NUMBERING_TOO_LONG, "100000000 4400000000"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(CheckNumbering(r.n, r.count), r.check) << r.firstAndLast;
        const std::vector<std::string> keys = NumberedKeys(r.n, r.count);
        EXPECT_EQ(keys.front() + " " + keys.back(), r.firstAndLast);
    }
}

TEST(Numbering, TheKeyIsReplacedAndEverythingAfterItKept) {
    const struct {
        const char* text;
        const char* after; // null: refused, the text untouched
    } rows[] = {
        {"[R1 Resistore]\nLI 1 2 3 4\n", "[K Resistore]\nLI 1 2 3 4\n"},
        {"[  R1 two  words ]\r\n", "[K two  words ]\r\n"},
        {"[R1]\n", "[K R1]\n"}, // empty key, title R1: the title stays a title
        {"[ R1]\n", "[K R1]\n"},
        {"[R1 ]\n", "[K ]\n"},
        {"  [R1 a]\n", "[K a]\n"},
        {"[R1 broken\nLI 1 2 3 4 ]\n", nullptr},
        {"R1 a]\n", nullptr},
    };
    for (const auto& r : rows) {
        std::string text = r.text;
        EXPECT_EQ(ReplaceComponentKey(text, "K"), r.after != nullptr) << r.text;
        EXPECT_EQ(text, r.after ? r.after : r.text);
    }
}
