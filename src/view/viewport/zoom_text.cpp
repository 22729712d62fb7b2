#include "view/viewport/zoom_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

const std::vector<std::string>& ZoomListTexts() {
    static const std::vector<std::string> texts{"50%",  "75%",  "100%", "150%", "200%",
                                                "300%", "400%", "600%", "800%", "1000%"};
    return texts;
}

// A typed 29% is stored as 0.29, whose product with 100 lies just below 29:
// the small allowance keeps the box from reading back 28%.
std::string ZoomBoxText(double dScale) {
    const double dPercent = std::floor(dScale * 100 + 1e-7);
    const long long n = dPercent >= 0 && dPercent < 1e9 ? (long long)dPercent : 0;
    return std::to_string(n) + "%";
}

namespace {
// The integer at the start of the text as the C library reads one (leading
// blanks, a sign, digits), saturating instead of overflowing.
std::optional<long long> LeadingInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) bNegative = text[i++] == '-';
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
    long long n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        n = std::min(n * 10 + (text[i] - '0'), 1000000000LL);
    return bNegative ? -n : n;
}

std::optional<int> InZoomRange(std::optional<long long> n) {
    if (!n || *n < 10 || *n > 2000) return std::nullopt;
    return int(*n);
}

void AppendFixed2(std::string& out, double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    out.append(buf, res.ec == std::errc() ? res.ptr : buf);
}
} // namespace

std::optional<int> ParseTypedZoom(const std::string& text) {
    if (text.find('%') == std::string::npos) return std::nullopt;
    return InZoomRange(LeadingInteger(text));
}

std::optional<int> ParseChosenZoom(const std::string& text) {
    return InZoomRange(LeadingInteger(text));
}

std::string FormatReadout(CPoint pt, int nMicronsPerUnit) {
    std::string s = "(" + std::to_string(pt.x) + "," + std::to_string(pt.y) + ") (";
    AppendFixed2(s, double(pt.x) * nMicronsPerUnit * 0.001);
    s += " mm, ";
    AppendFixed2(s, double(pt.y) * nMicronsPerUnit * 0.001);
    s += " mm)";
    return s;
}
