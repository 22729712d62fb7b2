#pragma once
// Reads the fields of a command line the way "%d %d ..." scanning does: white
// space before a field is skipped, a field that is not a number stops the
// reading, and fields missing at the end leave their targets untouched.
// Numbers too large for 32 bits saturate.
#include <cstdint>
#include <string>
#include <string_view>

class CFieldScanner {
  public:
    explicit CFieldScanner(std::string_view s) : m_s(s) {}

    bool Int(int& out);            // %d
    bool UInt(std::uint32_t& out); // %u: a minus sign wraps, as the conversion does
    bool Word(std::string& out);   // %s: a run of non-white-space characters
    int Count() const { return m_nCount; }

  private:
    bool Number(std::int64_t& out);
    void SkipSpace();

    std::string_view m_s;
    std::size_t m_pos = 0;
    bool m_bFailed = false;
    int m_nCount = 0;
};

// The text after the first two characters of a line trimmed on the left (the
// keyword), or an empty view.
std::string_view AfterKeyword(std::string_view line);
// The first two characters of a line trimmed on the left, upper-cased.
struct CKeyword {
    char c[2] = {0, 0};
    // `k` is a keyword of two characters.
    bool operator==(const char* k) const { return c[0] == k[0] && c[1] == k[1]; }
    bool operator!=(const char* k) const { return !(*this == k); }
};
CKeyword KeywordOf(std::string_view line);

// The rest of the line from its blank-separated token number n (0-based), cut
// before its first character below 32. Blanks are bytes up to 32.
std::string RestFromToken(std::string_view line, int n);

bool IsTrimSpace(char c); // space, tab, CR, LF, vertical tab, form feed
std::string_view TrimLeft(std::string_view s);
std::string_view TrimRight(std::string_view s);
std::string_view Trim(std::string_view s);
