#pragma once
// The pixels a run list lights, each with the number of runs that light it.
#include "model/raster/pixel_runs.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

using PixelCount = std::map<std::pair<int, int>, int>;

inline PixelCount Lit(const CRunList& runs, PixelCount into = {}) {
    for (const CPixelRun& r : runs.Runs()) {
        EXPECT_GT(r.nLength, 0);
        for (int i = 0; i < r.nLength; ++i)
            ++into[r.bRow ? std::pair{r.x + i, r.y} : std::pair{r.x, r.y + i}];
    }
    return into;
}

// Whether every pixel is lit once and lies on the runs' image.
inline bool OnceOnTheImage(const PixelCount& lit, const CRunList& image) {
    for (const auto& [p, n] : lit)
        if (n != 1 || p.first < 0 || p.second < 0 || p.first >= image.Width() ||
            p.second >= image.Height())
            return false;
    return true;
}
