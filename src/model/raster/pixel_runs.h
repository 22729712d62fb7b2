#pragma once
// Whole pixels of thin figures as horizontal and vertical runs, clipped to an
// image, so that a figure of any size costs only the pixels it lights there.
#include "model/geometry.h"

#include <cstdint>
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
