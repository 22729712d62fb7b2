// Runs of pixels and the thin lines made of them, on random lines of every
// length and reach.
#include "run_pixels.h"

#include <random>

namespace {

// The line's pixels on a 64 x 48 image, and again moved by (200, 200) onto a
// large image and moved back, so that no end of it is cut off there.
struct CDrawnLine {
    PixelCount small, whole;
};

CDrawnLine Draw(CPoint a, CPoint b) {
    CRunList small(64, 48), large(600, 600);
    AddLineRuns(small, a, b);
    AddLineRuns(large, CPoint{a.x + 200, a.y + 200}, CPoint{b.x + 200, b.y + 200});
    CDrawnLine out{Lit(small), {}};
    for (const auto& [p, n] : Lit(large))
        out.whole[{p.first - 200, p.second - 200}] = n;
    return out;
}

// Within half a pixel of the true line across its major axis, exactly.
bool NearTheLine(CPoint a, CPoint b, std::int64_t x, std::int64_t y) {
    const __int128 dx = std::int64_t(b.x) - a.x, dy = std::int64_t(b.y) - a.y;
    const bool bRow = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const __int128 du = bRow ? dx : dy, dv = bRow ? dy : dx;
    const __int128 u = bRow ? x - a.x : y - a.y, v = bRow ? y - a.y : x - a.x;
    const __int128 off = 2 * v * du - 2 * u * dv;
    return (off < 0 ? -off : off) <= (du < 0 ? -du : du);
}

} // namespace

// A run keeps only its pixels on the image; a span leaves out its hole.
TEST(RunList, KeepsThePixelsOnTheImageAndLeavesOutHoles) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<std::int64_t> c(-20, 60);
    for (int n = 0; n < 2000; ++n) {
        CRunList runs(40, 30);
        const std::int64_t y = c(rng), lo = c(rng), hi = c(rng), holeLo = c(rng), holeHi = c(rng);
        runs.AddSpan(y, lo, hi, holeLo, holeHi);
        runs.Add(false, holeLo, lo, hi);
        PixelCount expected;
        for (std::int64_t x = std::max<std::int64_t>(lo, 0); x <= std::min<std::int64_t>(hi, 39);
             ++x)
            if (y >= 0 && y < 30 && (x < holeLo || x > holeHi || holeLo > holeHi))
                ++expected[{x, y}];
        for (std::int64_t y2 = std::max<std::int64_t>(lo, 0); y2 <= std::min<std::int64_t>(hi, 29);
             ++y2)
            if (holeLo >= 0 && holeLo < 40) ++expected[{holeLo, y2}];
        ASSERT_EQ(Lit(runs), expected) << n;
    }
}

// One pixel per step along the major axis, the start included and the end
// left out, each within half a pixel of the line, in runs that follow on from
// each other; backwards the same pixels with the ends swapped; on a small
// image exactly the pixels of the whole line that fall on it.
TEST(LineRuns, OnePixelPerStepNearestTheLineWholeOrClipped) {
    std::mt19937 rng(1);
    std::uniform_int_distribution<int> c(-90, 150);
    for (int n = 0; n < 3000; ++n) {
        const CPoint a{c(rng), c(rng)}, b = n % 9 ? CPoint{c(rng), c(rng)} : CPoint{a.x, c(rng)};
        const CDrawnLine line = Draw(a, b), back = Draw(b, a);
        const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
        ASSERT_EQ(int(line.whole.size()), steps) << n;
        if (steps == 0) continue;
        EXPECT_TRUE(line.whole.count({a.x, a.y}) && !line.whole.count({b.x, b.y})) << n;
        PixelCount swapped = line.whole;
        swapped.erase({a.x, a.y});
        swapped[{b.x, b.y}] = 1;
        EXPECT_EQ(swapped, back.whole) << n;
        PixelCount seen;
        for (const auto& [p, k] : line.whole) {
            ASSERT_TRUE(k == 1 && NearTheLine(a, b, p.first, p.second)) << n;
            if (p.first >= 0 && p.second >= 0 && p.first < 64 && p.second < 48) seen[p] = 1;
        }
        EXPECT_EQ(line.small, seen) << n;
    }
}

// Runs follow on along the major axis, each one step across from the last,
// also for lines reaching the ends of the 32-bit range, of which only the
// part on the image is walked.
TEST(LineRuns, RunsFollowOnAndFarLinesStayExact) {
    std::mt19937 rng(2);
    std::uniform_int_distribution<int> any(INT32_MIN, INT32_MAX), near(-30, 90);
    for (int n = 0; n < 3000; ++n) {
        const CPoint a = n % 2 ? CPoint{any(rng), near(rng)} : CPoint{near(rng), any(rng)};
        const CPoint b = n % 3 ? CPoint{any(rng), any(rng)} : CPoint{near(rng), near(rng)};
        CRunList runs(64, 48);
        AddLineRuns(runs, a, b);
        const std::vector<CPixelRun>& r = runs.Runs();
        for (std::size_t i = 0; i < r.size(); ++i) {
            for (int k = 0; k < r[i].nLength; ++k) {
                const int x = r[i].x + (r[i].bRow ? k : 0), y = r[i].y + (r[i].bRow ? 0 : k);
                ASSERT_TRUE(NearTheLine(a, b, x, y)) << n;
            }
            if (i == 0) continue;
            const CPixelRun &p = r[i - 1], &q = r[i];
            ASSERT_EQ(p.bRow, q.bRow);
            const int pAt = p.bRow ? p.y : p.x, qAt = q.bRow ? q.y : q.x;
            const int pEnd = (p.bRow ? p.x : p.y) + p.nLength, qFrom = q.bRow ? q.x : q.y;
            ASSERT_TRUE(std::abs(qAt - pAt) == 1 && qFrom == pEnd) << n;
        }
        EXPECT_TRUE(OnceOnTheImage(Lit(runs), runs)) << n;
    }
}
