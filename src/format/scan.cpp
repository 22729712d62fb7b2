#include "format/scan.h"

#include <cctype>

namespace {
bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

bool IsTrimSpace(char c) {
    return IsCSpace(c);
}

void CFieldScanner::SkipSpace() {
    while (m_pos < m_s.size() && IsCSpace(m_s[m_pos]))
        ++m_pos;
}

bool CFieldScanner::Number(std::int64_t& out) {
    if (m_bFailed) return false;
    SkipSpace();
    std::size_t p = m_pos;
    bool neg = false;
    if (p < m_s.size() && (m_s[p] == '+' || m_s[p] == '-')) neg = m_s[p++] == '-';
    if (p >= m_s.size() || !std::isdigit(static_cast<unsigned char>(m_s[p]))) {
        m_bFailed = true;
        return false;
    }
    const std::int64_t limit = std::int64_t(1) << 33;
    std::int64_t v = 0;
    for (; p < m_s.size() && std::isdigit(static_cast<unsigned char>(m_s[p])); ++p)
        if (v < limit) v = v * 10 + (m_s[p] - '0');
    m_pos = p;
    out = neg ? -v : v;
    ++m_nCount;
    return true;
}

bool CFieldScanner::Int(int& out) {
    std::int64_t v;
    if (!Number(v)) return false;
    out = v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : int(v);
    return true;
}

bool CFieldScanner::UInt(std::uint32_t& out) {
    std::int64_t v;
    if (!Number(v)) return false;
    if (v > std::int64_t(UINT32_MAX)) v = UINT32_MAX;
    if (v < -std::int64_t(UINT32_MAX)) v = -std::int64_t(UINT32_MAX);
    out = static_cast<std::uint32_t>(v); // negative values wrap modulo 2^32
    return true;
}

bool CFieldScanner::Word(std::string& out) {
    if (m_bFailed) return false;
    SkipSpace();
    std::size_t p = m_pos;
    while (p < m_s.size() && !IsCSpace(m_s[p]) && m_s[p] != '\0')
        ++p;
    if (p == m_pos) {
        m_bFailed = true;
        return false;
    }
    out.assign(m_s.substr(m_pos, p - m_pos));
    m_pos = p;
    ++m_nCount;
    return true;
}

std::string_view TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsCSpace(s[i]))
        ++i;
    return s.substr(i);
}

std::string_view TrimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && IsCSpace(s[n - 1]))
        --n;
    return s.substr(0, n);
}

std::string_view Trim(std::string_view s) {
    return TrimRight(TrimLeft(s));
}

std::string_view AfterKeyword(std::string_view line) {
    line = TrimLeft(line);
    return line.size() > 2 ? line.substr(2) : std::string_view();
}

CKeyword KeywordOf(std::string_view line) {
    line = TrimLeft(line);
    CKeyword k;
    for (std::size_t i = 0; i < 2 && i < line.size(); ++i)
        k.c[i] = char(std::toupper(static_cast<unsigned char>(line[i])));
    return k;
}

std::string RestFromToken(std::string_view line, int n) {
    std::size_t p = 0;
    while (p < line.size() && IsBlank(line[p]))
        ++p;
    for (int i = 0; i < n; ++i) {
        while (p < line.size() && !IsBlank(line[p]))
            ++p;
        while (p < line.size() && IsBlank(line[p]))
            ++p;
    }
    std::size_t e = p;
    while (e < line.size() && static_cast<unsigned char>(line[e]) >= 32)
        ++e;
    return std::string(line.substr(p, e - p));
}
