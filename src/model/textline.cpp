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
