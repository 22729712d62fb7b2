#pragma once
// The board's edge as drawn on the outline layer: its segments, whether its
// paths close, and which side of it a point lies on.
#include "doc/nets/net_geometry.h"
#include "model/primitive.h"

#include <unordered_map>
#include <vector>

class CSpatialIndex;

class CBoardOutline {
  public:
    CBoardOutline(const CPrimitiveList& list, int nLayer);

    // False when nothing is drawn there or an open path's end meets no other
    // path; openAt: such an end.
    bool IsClosed(CVec& openAt) const;
    // Inside by the even-odd rule over every path.
    bool Holds(CVec p) const;
    // The edge nearest a figure within `reach` units of its box, found through
    // `index`, which holds the list; d is HUGE_VAL when none is that near.
    CNearest Nearest(const CCopperShape& s, double reach, const CSpatialIndex& index) const;

  private:
    struct CSegment {
        CVec a, b;
    };
    void Add(const CPrimitive& p, const CPrimitive& top, int nLayer);
    void MakeRows();

    std::vector<CSegment> m_segments;
    std::unordered_map<const CPrimitive*, std::pair<int, int>> m_ranges; // by list primitive
    std::vector<std::pair<double, double>> m_openEnds; // unmatched ends, counted below
    bool m_bDrawn = false;
    // The segments by horizontal rows, for the inside test.
    double m_dTop = 0, m_dRow = 1;
    std::vector<std::vector<int>> m_rows;
    mutable std::vector<CPrimitive*> m_found;
};
