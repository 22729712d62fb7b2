#pragma once
// Lengths of the fabrication files: whole nanometres, so that every size and
// coordinate is exact and is written with a decimal point whatever the locale.
#include <cstdint>
#include <string>

// A point in the files' frame: nanometres, y upward (the drawing's y negated).
struct CFabPoint {
    std::int64_t x = 0, y = 0;
    bool operator==(const CFabPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CFabPoint& o) const { return !(*this == o); }
    bool operator<(const CFabPoint& o) const { return x != o.x ? x < o.x : y < o.y; }
};

// Edges included; empty until something is added.
struct CFabBox {
    std::int64_t l = 0, b = 0, r = -1, t = -1;
    bool IsEmpty() const { return r < l; }
    void Add(CFabPoint p, std::int64_t reach = 0);
    void AddBox(const CFabBox& o);
};

// Drawing units to the files' frame, nMicronsPerUnit micrometres a unit.
struct CFabScale {
    std::int64_t nNmPerUnit = 127000;
    std::int64_t Length(std::int64_t units) const { return units * nNmPerUnit; }
    CFabPoint Map(std::int64_t x, std::int64_t y) const {
        return {x * nNmPerUnit, -y * nNmPerUnit};
    }
    CFabPoint MapD(double x, double y) const;
};

void AppendInt(std::string& out, std::int64_t v);
// Millimetres: "1.27", "-0.5", "3"; at most six decimals, no trailing zeros.
std::string FormatMm(std::int64_t nm);
// Millimetres as typed ("0.15", "2", ".5"), at most six decimals, not negative.
bool ParseMm(const std::string& s, std::int64_t& nm);

// When the files say they were made (UTC).
struct CFabDate {
    int nYear = 1980, nMonth = 1, nDay = 1, nHour = 0, nMinute = 0, nSecond = 0;
};
// "2026-12-08T13:05:00+00:00"
std::string FormatIsoDate(const CFabDate& d);
// From seconds since 1970 (UTC).
CFabDate FabDateFromEpoch(std::int64_t seconds);
