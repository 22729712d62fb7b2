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

void AddLineRuns(CRunList& runs, CPoint a, CPoint b) {
    ForLineRuns(a, b, runs.Width(), runs.Height(),
                [&](bool bRow, std::int64_t at, std::int64_t from, std::int64_t to) {
                    runs.Add(bRow, at, from, to);
                });
}
