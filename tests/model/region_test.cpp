#include "model/region.h"

#include <gtest/gtest.h>

TEST(Region, RectangleHoldsLeftAndTopButNotRightAndBottom) {
    CRegion r;
    r.SetRect({10, 20}, {0, 0}); // corners in any order
    EXPECT_TRUE(r.PtInRegion(0, 0));
    EXPECT_TRUE(r.PtInRegion(9, 19));
    EXPECT_FALSE(r.PtInRegion(10, 5));
    EXPECT_FALSE(r.PtInRegion(5, 20));
    EXPECT_FALSE(r.PtInRegion(-1, 5));
    EXPECT_EQ(r.GetRgnBox(), (CRect{0, 0, 10, 20}));
}

TEST(Region, EllipseExcludesTheCornersOfItsBox) {
    CRegion r;
    r.SetEllipse({0, 0}, {20, 10});
    EXPECT_TRUE(r.PtInRegion(10, 5));
    EXPECT_TRUE(r.PtInRegion(0, 5));
    EXPECT_FALSE(r.PtInRegion(0, 0));
    EXPECT_FALSE(r.PtInRegion(19, 9));
}

TEST(Region, PolygonFillRulesDifferOnASelfOverlappingStar) {
    // A pentagram: its centre is covered twice.
    const CPoint star[5] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    CRegion alt, wind;
    alt.SetPolygon(star, 5, ALTERNATE);
    wind.SetPolygon(star, 5, WINDING);
    EXPECT_FALSE(alt.PtInRegion(50, 50));
    EXPECT_TRUE(wind.PtInRegion(50, 50));
    EXPECT_TRUE(alt.PtInRegion(50, 10));
    EXPECT_FALSE(wind.PtInRegion(0, 0));
}

TEST(Region, UnionHitsEitherPartAndBoxesBoth) {
    CRegion a, b;
    a.SetRect({0, 0}, {10, 10});
    b.SetRect({100, 100}, {110, 120});
    a.Union(b);
    EXPECT_TRUE(a.PtInRegion(5, 5));
    EXPECT_TRUE(a.PtInRegion(105, 115));
    EXPECT_FALSE(a.PtInRegion(50, 50));
    EXPECT_EQ(a.GetRgnBox(), (CRect{0, 0, 110, 120}));
}

TEST(Region, ExtremeCoordinatesNeitherOverflowNorMisreport) {
    const int lo = INT32_MIN, hi = INT32_MAX;
    CRegion e;
    e.SetEllipse({lo, lo}, {hi, hi});
    EXPECT_TRUE(e.PtInRegion(0, 0));
    EXPECT_FALSE(e.PtInRegion(lo, lo));
    const CPoint tri[3] = {{lo, lo}, {hi, lo}, {lo, hi}};
    CRegion p;
    p.SetPolygon(tri, 3, WINDING);
    EXPECT_TRUE(p.PtInRegion(-5, -5));
    EXPECT_FALSE(p.PtInRegion(hi - 1, hi - 1));
}

TEST(Region, EmptyRegionHitsNothing) {
    CRegion r;
    EXPECT_TRUE(r.IsEmpty());
    EXPECT_FALSE(r.PtInRegion(0, 0));
    EXPECT_TRUE(r.GetRgnBox().IsEmpty());
}

TEST(Region, CopiesMovesAndGrowthKeepEveryShape) {
    CRegion a;
    for (int i = 0; i < 40; ++i) { // grows its room several times
        CRegion cell;
        cell.SetRect({10 * i, 0}, {10 * i + 5, 5});
        a.Union(cell);
    }
    CRegion copy(a);
    CRegion moved(std::move(a));
    EXPECT_TRUE(a.IsEmpty());
    for (const CRegion* r : {&copy, &moved}) {
        EXPECT_EQ(r->GetRgnBox(), (CRect{0, 0, 395, 5}));
        for (int i = 0; i < 40; ++i) {
            EXPECT_TRUE(r->PtInRegion(10 * i + 2, 2)) << i;
            EXPECT_FALSE(r->PtInRegion(10 * i + 7, 2)) << i;
        }
    }
    moved.Union(moved); // with itself: every shape twice, nothing else
    EXPECT_TRUE(moved.PtInRegion(392, 4));
    EXPECT_FALSE(moved.PtInRegion(397, 4));
    moved.Clear();
    EXPECT_TRUE(moved.IsEmpty());
    EXPECT_TRUE(moved.GetRgnBox().IsEmpty());
    moved.SetEllipse({0, 0}, {20, 10});
    EXPECT_TRUE(moved.PtInRegion(10, 5));
    moved.Release();
    EXPECT_TRUE(moved.IsEmpty());
    EXPECT_FALSE(moved.PtInRegion(10, 5));
}
