#pragma once
// One random line of a drawing, of any kind: lines, dots, shapes, curves,
// texts, tracks, pads and standard symbols, some off the sheet, some crowded.
#include <random>
#include <string>

inline std::string RandomLine(std::mt19937& rng) {
    auto c = [&](int lo, int hi) { return std::to_string(std::uniform_int_distribution<int>(lo, hi)(rng)); };
    auto xy = [&] { return c(-100, 2600) + " " + c(-100, 2600); };
    const std::string p = xy();
    switch (std::uniform_int_distribution<int>(0, 11)(rng)) {
    case 0: case 1: return "LI " + p + " " + xy() + " " + c(0, 4);
    case 2: return "SA " + p;
    case 3: return "RV " + p + " " + c(0, 2500) + " " + c(0, 2500) + " " + c(0, 3);
    case 4: return "EP " + p + " " + c(0, 2500) + " " + c(0, 2500);
    case 5: return "PV " + p + " " + c(0, 2500) + " " + c(0, 2500) + " " + c(0, 2500) + " " + c(0, 2500);
    case 6: return "BE " + p + " " + xy() + " " + xy() + " " + xy();
    case 7: return "TY " + p + " " + c(0, 12) + " " + c(0, 8) + " " + c(0, 359) + " " + c(0, 15) +
                   " " + c(0, 4) + " * R" + c(1, 999) + " testo";
    case 8: return "PL " + p + " " + c(0, 2500) + " " + c(0, 2500) + " " + c(1, 30);
    case 9: return "PA " + p + " " + c(2, 40) + " " + c(2, 40) + " " + c(0, 1) + " " + c(1, 5) + " 1";
    case 10: {
        static const char* keys[] = {"080", "100", "040", "230", "300", "500", "610"};
        return "MC " + p + " " + c(0, 3) + " " + c(0, 1) + " ~" + keys[rng() % 7];
    }
    default: return "LI " + p + " " + c(1000, 1100) + " " + c(1000, 1100); // a crowded spot
    }
}
