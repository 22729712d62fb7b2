#include "doc/library/numbering.h"

#include "format/component.h"
#include "format/scan.h"

#include <algorithm>
#include <cstring>

const char* const SHORTNAME_CHARS =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";

namespace {
constexpr std::size_t MAX_KEY = 8;

bool AllShortNameChars(const std::string& s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return c != 0 && std::strchr(SHORTNAME_CHARS, c); });
}

// 64 bits: a start and an increment of up to 100000000 each overflow 32 bits
// after a few dozen components.
std::string NumberOf(const CNumbering& n, std::size_t i) {
    return std::to_string(n.nStart + std::int64_t(i) * n.nIncrement);
}
} // namespace

bool IsValidShortName(const std::string& name) {
    return !name.empty() && name.size() <= MAX_KEY && AllShortNameChars(name);
}

bool IsValidFieldText(const std::string& text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return c == ']' || u < 32 || u == 127;
    });
}

NumberingCheck CheckNumbering(const CNumbering& n, std::size_t count) {
    if (!AllShortNameChars(n.prefix)) return NUMBERING_BAD_PREFIX;
    for (std::size_t i = 0; i < count; ++i)
        if (n.prefix.size() + NumberOf(n, i).size() > MAX_KEY) return NUMBERING_TOO_LONG;
    return NUMBERING_OK;
}

std::vector<std::string> NumberedKeys(const CNumbering& n, std::size_t count) {
    std::vector<std::string> digits(count);
    std::size_t longest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        digits[i] = NumberOf(n, i);
        longest = std::max(longest, n.prefix.size() + digits[i].size());
    }
    std::vector<std::string> keys(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t length = n.prefix.size() + digits[i].size();
        const std::size_t zeros = n.bZeros && longest > length ? longest - length : 0;
        keys[i] = n.prefix + std::string(zeros, '0') + digits[i];
    }
    return keys;
}

// "[R1 Resistore]" keeps " Resistore]"; "[R1]", whose key is empty and title
// "R1", keeps its title after a blank: "[M1 R1]".
bool ReplaceComponentKey(std::string& text, const std::string& key) {
    if (!ReadComponentHeader(text, nullptr, nullptr)) return false;
    const std::size_t open = text.find('[');
    std::size_t inner = open + 1;
    while (inner < text.size() && IsTrimSpace(text[inner]))
        ++inner;
    const std::size_t close = text.find(']', inner);
    const std::size_t space = text.find(' ', inner);
    const bool bHasKey = space != std::string::npos && space < close;
    text = "[" + key + (bHasKey ? text.substr(space) : " " + text.substr(inner));
    return true;
}

bool NumberComponentTexts(std::vector<std::string>& texts, const CNumbering& n) {
    const std::vector<std::string> keys = NumberedKeys(n, texts.size());
    bool bAll = true;
    for (std::size_t i = 0; i < texts.size(); ++i)
        bAll = ReplaceComponentKey(texts[i], keys[i]) && bAll;
    return bAll;
}
