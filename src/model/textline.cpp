#include "model/textline.h"

std::string FormatCommand(const char* keyword, const CPoint* points, int n) {
    std::string s = keyword;
    for (int i = 0; i < n; ++i) {
        s += ' ';
        s += std::to_string(points[i].x);
        s += ' ';
        s += std::to_string(points[i].y);
    }
    return s;
}

std::string FormatInts(std::initializer_list<long long> values) {
    std::string s;
    for (long long v : values) {
        s += ' ';
        s += std::to_string(v);
    }
    return s;
}

std::string OneLineText(const std::string& s) {
    std::size_t n = 0;
    while (n < s.size() && static_cast<unsigned char>(s[n]) >= 32) ++n;
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.substr(0, n);
}
