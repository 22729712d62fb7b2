#include "model/region.h"

#include <gtest/gtest.h>

#include <vector>

// Rectangles hold their left and top edges but not the right and bottom ones;
// a self-overlapping star differs by its fill rule; extremes do not overflow.
TEST(Region, EachShapeHoldsItsPointsAndBoxesThem) {
    const int lo = INT32_MIN, hi = INT32_MAX;
    const std::vector<CPoint> star = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    // Kinds: 'R' rectangle, 'E' ellipse, 'A' and 'W' polygon filled alternate or winding.
    // clang-format off
    const struct { char kind; std::vector<CPoint> corners, in, out; CRect box; } rows[] = {
        {'R', {{10, 20}, {0, 0}}, {{0, 0}, {9, 19}}, {{10, 5}, {5, 20}, {-1, 5}}, {0, 0, 10, 20}},
        {'E', {{0, 0}, {20, 10}}, {{10, 5}, {0, 5}}, {{0, 0}, {19, 9}}, {0, 0, 20, 10}},
        {'A', star, {{50, 10}}, {{50, 50}}, {2, 0, 98, 90}},
        {'W', star, {{50, 50}}, {{0, 0}}, {2, 0, 98, 90}},
        {'E', {{lo, lo}, {hi, hi}}, {{0, 0}}, {{lo, lo}}, {lo, lo, hi, hi}},
        {'W', {{lo, lo}, {hi, lo}, {lo, hi}}, {{-5, -5}}, {{hi - 1, hi - 1}}, {lo, lo, hi, hi}},
    };
    // clang-format on
    for (const auto& row : rows) {
        CRegion r;
        if (row.kind == 'R') r.SetRect(row.corners[0], row.corners[1]);
        if (row.kind == 'E') r.SetEllipse(row.corners[0], row.corners[1]);
        if (row.kind == 'A' || row.kind == 'W')
            r.SetPolygon(row.corners.data(), int(row.corners.size()),
                         row.kind == 'A' ? ALTERNATE : WINDING);
        for (const CPoint& p : row.in)
            EXPECT_TRUE(r.PtInRegion(p.x, p.y)) << row.kind;
        for (const CPoint& p : row.out)
            EXPECT_FALSE(r.PtInRegion(p.x, p.y)) << row.kind;
        EXPECT_EQ(r.GetRgnBox(), row.box) << row.kind;
    }
}
