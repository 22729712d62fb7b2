#pragma once
// Whole pixels of thin figures as horizontal and vertical runs, clipped to an
// image, so that a figure of any size costs only the pixels it lights there.
#include "model/geometry.h"

#include <cstdint>
#include <utility>
#include <vector>

// nLength pixels from (x, y), rightwards along a row or downwards along a column.
struct CPixelRun {
    int x = 0, y = 0, nLength = 0;
    bool bRow = true;
};

class CRunList final {
  public:
    CRunList(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight) {}

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    const std::vector<CPixelRun>& Runs() const { return m_runs; }
    bool IsEmpty() const { return m_runs.empty(); }
    void Clear() { m_runs.clear(); }

    // The pixels from..to, both included, of row `at` (bRow) or column `at`;
    // what lies off the image is dropped.
    void Add(bool bRow, std::int64_t at, std::int64_t from, std::int64_t to);
    // The pixels lo..hi of row y that are not in holeLo..holeHi (none when holeLo > holeHi).
    void AddSpan(std::int64_t y, std::int64_t lo, std::int64_t hi, std::int64_t holeLo,
                 std::int64_t holeHi);

  private:
    int m_nWidth, m_nHeight;
    std::vector<CPixelRun> m_runs;
};

// The pixels of the segment from a to b, b left out, as runs along its major
// axis: one pixel per step of the major coordinate. The minor coordinate is
// rounded from the end with the lower major coordinate whichever way the line
// goes, so a line and its reverse differ only in the end left out.
void AddLineRuns(CRunList& runs, CPoint a, CPoint b);

// The same runs on an image nWidth × nHeight, each given to
// take(bRow, at, from, to): pixels from..to, both included and on the image,
// of row or column `at`, which may lie off it.
template <class F> void ForLineRuns(CPoint a, CPoint b, int nWidth, int nHeight, F&& take);

namespace pixel_runs_detail {
inline std::int64_t FloorDiv(__int128 n, std::int64_t d) { // d > 0
    // Most lines are short and near the image: no wide division for them.
    constexpr __int128 kNarrow = __int128(1) << 62;
    if (n > -kNarrow && n < kNarrow) {
        const std::int64_t m = std::int64_t(n), q = m / d;
        return (m % d != 0 && m < 0) ? q - 1 : q;
    }
    __int128 q = n / d;
    if (n % d != 0 && n < 0) --q;
    return std::int64_t(q);
}
} // namespace pixel_runs_detail

// Only the part over the image is walked.
template <class F> void ForLineRuns(CPoint a, CPoint b, int nWidth, int nHeight, F&& take) {
    const std::int64_t dx = std::int64_t(b.x) - a.x, dy = std::int64_t(b.y) - a.y;
    if (dx == 0 && dy == 0) return;
    const bool bRow = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    std::int64_t u0 = bRow ? a.x : a.y, v0 = bRow ? a.y : a.x;
    std::int64_t u1 = bRow ? b.x : b.y, v1 = bRow ? b.y : b.x;
    std::int64_t first = u0, last = u1 - 1;
    if (u1 < u0) {
        std::swap(u0, u1);
        std::swap(v0, v1);
        first = u0 + 1;
        last = u1;
    }
    first = first > 0 ? first : 0;
    const std::int64_t end = (bRow ? nWidth : nHeight) - 1;
    last = last < end ? last : end;
    if (first > last) return;
    const std::int64_t du2 = 2 * (u1 - u0), dv2 = 2 * (v1 - v0);
    if (dv2 == 0) { // along a row or a column, as most wires are: one run
        take(bRow, v0, first, last);
        return;
    }
    // v(u) = v0 + floor(((u - u0) * dv2 + du) / du2), stepped by its remainder.
    const __int128 num = __int128(first - u0) * dv2 + du2 / 2;
    std::int64_t v = v0 + pixel_runs_detail::FloorDiv(num, du2);
    std::int64_t rem = std::int64_t(num - __int128(v - v0) * du2), start = first;
    for (std::int64_t u = first + 1; u <= last; ++u) {
        rem += dv2;
        const std::int64_t step = rem >= du2 ? 1 : rem < 0 ? -1 : 0;
        if (step == 0) continue;
        rem -= step * du2;
        take(bRow, v, start, u - 1);
        v += step;
        start = u;
    }
    take(bRow, v, start, last);
}
