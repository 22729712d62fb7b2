#pragma once
// Numbering the keys of a library's components in progression: prefix, then
// start + i × increment for component i, optionally padded with zeros so that
// every key has the length of the longest one.
#include <cstdint>
#include <string>
#include <vector>

// Keys: 1 to 8 of these characters.
extern const char* const SHORTNAME_CHARS;
bool IsValidShortName(const std::string& name);

// Text a user may type into a key or title field: no "]", which would end the
// header, and no control characters.
bool IsValidFieldText(const std::string& text);

struct CNumbering {
    std::string prefix = "M";    // at most 8 characters, may be empty
    std::int64_t nStart = 0;     // 0 to 100000000 in the dialog
    std::int64_t nIncrement = 1; // 1 to 100000000 in the dialog
    bool bZeros = false;
};

enum NumberingCheck { NUMBERING_OK, NUMBERING_BAD_PREFIX, NUMBERING_TOO_LONG };

// Whether these settings can number `count` components; the dialog stays open
// when they cannot.
NumberingCheck CheckNumbering(const CNumbering& n, std::size_t count);

// The keys component 0 .. count-1 get; the settings must pass CheckNumbering.
std::vector<std::string> NumberedKeys(const CNumbering& n, std::size_t count);

// The component text with its key replaced and its title, body and anything
// else after the key kept. False, with the text untouched, when its first line
// is not a whole header.
bool ReplaceComponentKey(std::string& text, const std::string& key);

// Renumbers every text; false when some text could not be renumbered (the
// others are).
bool NumberComponentTexts(std::vector<std::string>& texts, const CNumbering& n);
