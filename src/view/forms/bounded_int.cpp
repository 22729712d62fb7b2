#include "view/forms/bounded_int.h"

#include <cctype>

bool ParseBoundedInt(const std::string& text, int lo, int hi, int& value) {
    std::size_t i = 0, n = text.size();
    while (i < n && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    while (n > i && std::isspace(static_cast<unsigned char>(text[n - 1])))
        --n;
    bool bNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) bNegative = text[i++] == '-';
    if (i == n) return false;
    long long v = 0;
    for (; i < n; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        v = v * 10 + (text[i] - '0');
        if (v > 1000000000LL) return false;
    }
    if (bNegative) v = -v;
    if (v < lo || v > hi) return false;
    value = int(v);
    return true;
}
