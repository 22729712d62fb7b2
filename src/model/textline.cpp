#include "model/textline.h"

#include <charconv>

namespace {
// " v" into the buffer when there is room for any value.
char* PutInt(char* at, char* end, long long v) {
    if (end - at < 24) return at;
    *at = ' ';
    return std::to_chars(at + 1, end, v).ptr;
}
} // namespace

// Written through one buffer: snapshots and saves format every primitive.
std::string FormatCommand(const char* keyword, const CPoint* points, int n) {
    char buf[2 + 2 * 11 * 22];
    char* at = buf;
    char* const end = buf + sizeof buf;
    at[0] = keyword[0];
    at[1] = keyword[1];
    at += 2;
    for (int i = 0; i < n && i < 11; ++i) {
        at = PutInt(at, end, points[i].x);
        at = PutInt(at, end, points[i].y);
    }
    return std::string(buf, std::size_t(at - buf));
}

std::string FormatInts(std::initializer_list<long long> values) {
    char buf[24 * 8];
    char* at = buf;
    for (long long v : values)
        at = PutInt(at, buf + sizeof buf, v);
    return std::string(buf, std::size_t(at - buf));
}

std::string OneLineText(const std::string& s) {
    std::size_t n = 0;
    while (n < s.size() && static_cast<unsigned char>(s[n]) >= 32)
        ++n;
    while (n > 0 && s[n - 1] == ' ')
        --n;
    std::size_t b = 0;
    while (b < n && s[b] == ' ')
        ++b;
    return s.substr(b, n - b);
}
