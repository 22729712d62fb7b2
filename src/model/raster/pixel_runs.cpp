#include "model/raster/pixel_runs.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

void CRunList::Add(bool bRow, std::int64_t at, std::int64_t from, std::int64_t to) {
    const std::int64_t across = bRow ? m_nHeight : m_nWidth;
    const std::int64_t along = bRow ? m_nWidth : m_nHeight;
    from = std::max<std::int64_t>(from, 0);
    to = std::min<std::int64_t>(to, along - 1);
    if (at < 0 || at >= across || from > to) return;
    const int n = int(to - from + 1);
    if (bRow)
        m_runs.push_back({int(from), int(at), n, true});
    else
        m_runs.push_back({int(at), int(from), n, false});
}

void CRunList::AddSpan(std::int64_t y, std::int64_t lo, std::int64_t hi, std::int64_t holeLo,
                       std::int64_t holeHi) {
    if (holeLo > holeHi) {
        Add(true, y, lo, hi);
        return;
    }
    Add(true, y, lo, std::min(hi, holeLo - 1));
    Add(true, y, std::max(lo, holeHi + 1), hi);
}

namespace {
std::int64_t FloorDiv(__int128 n, std::int64_t d) { // d > 0
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
} // namespace

// Only the part over the image is walked.
void AddLineRuns(CRunList& runs, CPoint a, CPoint b) {
    const std::int64_t dx = std::int64_t(b.x) - a.x, dy = std::int64_t(b.y) - a.y;
    if (dx == 0 && dy == 0) return;
    const bool bRow = std::llabs(dx) >= std::llabs(dy);
    std::int64_t u0 = bRow ? a.x : a.y, v0 = bRow ? a.y : a.x;
    std::int64_t u1 = bRow ? b.x : b.y, v1 = bRow ? b.y : b.x;
    std::int64_t first = u0, last = u1 - 1;
    if (u1 < u0) {
        std::swap(u0, u1);
        std::swap(v0, v1);
        first = u0 + 1;
        last = u1;
    }
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, (bRow ? runs.Width() : runs.Height()) - 1);
    if (first > last) return;
    const std::int64_t du2 = 2 * (u1 - u0), dv2 = 2 * (v1 - v0);
    if (dv2 == 0) { // along a row or a column, as most wires are: one run
        runs.Add(bRow, v0, first, last);
        return;
    }
    // v(u) = v0 + floor(((u - u0) * dv2 + du) / du2), stepped by its remainder.
    const __int128 num = __int128(first - u0) * dv2 + du2 / 2;
    std::int64_t v = v0 + FloorDiv(num, du2);
    std::int64_t rem = std::int64_t(num - __int128(v - v0) * du2), start = first;
    for (std::int64_t u = first + 1; u <= last; ++u) {
        rem += dv2;
        const std::int64_t step = rem >= du2 ? 1 : rem < 0 ? -1 : 0;
        if (step == 0) continue;
        rem -= step * du2;
        runs.Add(bRow, v, start, u - 1);
        v += step;
        start = u;
    }
    runs.Add(bRow, v, start, last);
}
