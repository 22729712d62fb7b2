#pragma once
// The board's edge as drawn on the outline layer: its segments, whether its
// paths close, and which side of it a point lies on.
#include "doc/nets/box_grid.h"
#include "doc/nets/net_geometry.h"
#include "model/primitive.h"

#include <vector>

class CBoardOutline {
  public:
    CBoardOutline(const CPrimitiveList& list, int nLayer);

    // False when nothing is drawn there or an open path's end meets no other
    // path; openAt: such an end.
    bool IsClosed(CVec& openAt) const;
    // Inside by the even-odd rule over every path.
    bool Holds(CVec p) const;
    // The edge nearest a figure within `reach` units of its box; d is
    // HUGE_VAL when none is that near.
    CNearest Nearest(const CCopperShape& s, double reach) const;

  private:
    struct CSegment {
        CVec a, b;
    };
    void Add(const CPrimitive& p, int nLayer);
    void MakeRows();

    std::vector<CSegment> m_segments;
    CBoxGrid m_grid;                                   // the segments' boxes
    std::vector<std::pair<double, double>> m_openEnds; // unmatched ends, counted below
    bool m_bDrawn = false;
    // The segments by horizontal rows, for the inside test.
    double m_dTop = 0, m_dRow = 1;
    std::vector<std::vector<int>> m_rows;
};
