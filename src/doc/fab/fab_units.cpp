#include "doc/fab/fab_units.h"

#include <algorithm>
#include <charconv>
#include <cmath>

void CFabBox::Add(CFabPoint p, std::int64_t reach) {
    if (IsEmpty()) {
        *this = {p.x - reach, p.y - reach, p.x + reach, p.y + reach};
        return;
    }
    l = std::min(l, p.x - reach), r = std::max(r, p.x + reach);
    b = std::min(b, p.y - reach), t = std::max(t, p.y + reach);
}

void CFabBox::AddBox(const CFabBox& o) {
    if (o.IsEmpty()) return;
    Add(CFabPoint{o.l, o.b});
    Add(CFabPoint{o.r, o.t});
}

CFabPoint CFabScale::MapD(double x, double y) const {
    const double k = double(nNmPerUnit);
    return {std::llround(x * k), std::llround(-y * k)};
}

void AppendInt(std::string& out, std::int64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

std::string FormatMm(std::int64_t nm) {
    std::string out;
    if (nm < 0) out += '-';
    const std::uint64_t a = nm < 0 ? 0 - std::uint64_t(nm) : std::uint64_t(nm);
    AppendInt(out, std::int64_t(a / 1000000));
    std::uint64_t frac = a % 1000000;
    if (frac == 0) return out;
    int digits = 6;
    while (frac % 10 == 0)
        frac /= 10, --digits;
    std::string f = std::to_string(frac);
    out += '.';
    out.append(std::size_t(digits) - f.size(), '0');
    return out + f;
}

// Digits into v, at most nMax of them; their count, or -1 when there are more.
static int TakeDigits(const std::string& s, std::size_t& i, int nMax, std::int64_t& v) {
    int n = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++n) {
        if (n >= nMax) return -1;
        v = v * 10 + (s[i] - '0');
    }
    return n;
}

bool ParseMm(const std::string& s, std::int64_t& nm) {
    std::int64_t whole = 0, frac = 0;
    std::size_t i = 0;
    const int nWhole = TakeDigits(s, i, 6, whole);
    int nFrac = 0;
    if (nWhole >= 0 && i < s.size() && s[i] == '.') nFrac = TakeDigits(s, ++i, 6, frac);
    if (nWhole < 0 || nFrac < 0 || i != s.size() || nWhole + nFrac == 0) return false;
    for (int k = nFrac; k < 6; ++k)
        frac *= 10;
    nm = whole * 1000000 + frac;
    return true;
}

namespace {
void Append2(std::string& out, int v) {
    out += char('0' + v / 10 % 10);
    out += char('0' + v % 10);
}

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yoe + era * 400 + (m <= 2));
}
} // namespace

std::string FormatIsoDate(const CFabDate& d) {
    std::string out;
    AppendInt(out, d.nYear);
    out += '-';
    Append2(out, d.nMonth);
    out += '-';
    Append2(out, d.nDay);
    out += 'T';
    Append2(out, d.nHour);
    out += ':';
    Append2(out, d.nMinute);
    out += ':';
    Append2(out, d.nSecond);
    return out + "+00:00";
}

CFabDate FabDateFromEpoch(std::int64_t seconds) {
    const std::int64_t days = (seconds >= 0 ? seconds : seconds - 86399) / 86400;
    const std::int64_t rest = seconds - days * 86400;
    CFabDate d;
    CivilFromDays(days, d.nYear, d.nMonth, d.nDay);
    d.nHour = int(rest / 3600), d.nMinute = int(rest / 60 % 60), d.nSecond = int(rest % 60);
    return d;
}
