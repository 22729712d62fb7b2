// The shared behaviour of every primitive: points, state, transforms, hit tests.
#include "model/bezier.h"
#include "model/connection.h"
#include "model/line.h"
#include "model/poly.h"
#include "model/recording_surface.h"

#include <gtest/gtest.h>

#include <random>

TEST(Primitive, LineIsCompleteOnlyWhenBothPointsAreSet) {
    CLine l;
    EXPECT_FALSE(l.IsComplete());
    l.SetPoint(0, 5, 5);
    EXPECT_FALSE(l.IsComplete());
    l.SetPoint(1, 10, 5);
    EXPECT_TRUE(l.IsComplete());
    // One coordinate -1 is an ordinary point.
    l.SetPoint(1, -1, 7);
    EXPECT_TRUE(l.IsComplete());
}

TEST(Primitive, OutOfRangePointIndexesAreHarmless) {
    CLine l(1, 2, 3, 4, false);
    l.SetPoint(2, 9, 9);
    l.SetPoint(-1, 9, 9);
    EXPECT_EQ(l.GetPoint(2), POINT_UNSET);
    EXPECT_EQ(l.GetPoint(-1), POINT_UNSET);
    EXPECT_EQ(l.GetPoint(1), (CPoint{3, 4}));
}

TEST(Primitive, QuarterTurnsFollowTheScreenSense) {
    CConnection c(10, 0, false);
    c.Rotate(0, 0, false);
    EXPECT_EQ(c.GetPoint(0), (CPoint{0, 10})); // right of the centre moves below it
    CConnection d(10, 0, false);
    d.Rotate(0, 0, true);
    EXPECT_EQ(d.GetPoint(0), (CPoint{0, -10}));
    CLine l(3, 7, 12, -4, false);
    for (int i = 0; i < 4; ++i) l.Rotate(5, 6, false);
    EXPECT_EQ(l.GetPoint(0), (CPoint{3, 7}));
    EXPECT_EQ(l.GetPoint(1), (CPoint{12, -4}));
}

TEST(Primitive, MirrorReflectsXAndTwiceRestores) {
    CConnection c(2, 7, false);
    c.Mirror(5);
    EXPECT_EQ(c.GetPoint(0), (CPoint{8, 7}));
    c.Mirror(5);
    EXPECT_EQ(c.GetPoint(0), (CPoint{2, 7}));
}

TEST(Primitive, TransformsOfExtremeCoordinatesArePinned) {
    CLine l(INT32_MAX, INT32_MIN, 0, 0, false);
    l.Move(10, -10);
    EXPECT_EQ(l.GetPoint(0), (CPoint{INT32_MAX, INT32_MIN}));
    l.Mirror(INT32_MIN);
    EXPECT_EQ(l.GetPoint(1).x, INT32_MIN);
    l.Rotate(INT32_MAX, INT32_MAX, false);
    EXPECT_EQ(l.GetPoint(0).x, INT32_MAX);
}

TEST(Primitive, SetLayerAcceptsOnlyZeroToFifteen) {
    CLine l;
    EXPECT_EQ(l.SetLayer(15), 0);
    EXPECT_EQ(l.SetLayer(16), 15);
    EXPECT_EQ(l.GetLayer(), 15);
    EXPECT_EQ(l.SetLayer(-1), 15);
    EXPECT_EQ(l.GetLayer(), 15);
}

TEST(Primitive, SaveMoveRestoreGivesBackPointsAndStateWords) {
    CLine l(1, 2, 3, 4, false);
    l.m_nOrientation = 2;
    l.m_bMirrored = 1;
    l.SaveState();
    l.Move(3, 4);
    l.m_nOrientation = 3;
    l.m_bMirrored = 0;
    EXPECT_EQ(l.GetPoint(0), (CPoint{4, 6}));
    l.RestoreState();
    EXPECT_EQ(l.GetPoint(0), (CPoint{1, 2}));
    EXPECT_EQ(l.GetPoint(1), (CPoint{3, 4}));
    EXPECT_EQ(l.m_nOrientation, 2);
    EXPECT_EQ(l.m_bMirrored, 1);
}

TEST(Primitive, CloneCopiesEverythingButTheRegion) {
    CRecordingSurface dc;
    CLine l(0, 0, 100, 0, false);
    l.SetLayer(4);
    l.SetSelected(true);
    l.UpdateRegion(dc);
    auto c = l.Clone();
    EXPECT_NE(c.get(), &l);
    EXPECT_STREQ(c->GetClassName(), "CLine");
    EXPECT_TRUE(c->IsSelected());
    EXPECT_EQ(c->GetLayer(), 4);
    EXPECT_EQ(c->GetPoint(1), (CPoint{100, 0}));
    EXPECT_TRUE(c->GetRegion()->IsEmpty());
    c->UpdateRegion(dc);
    EXPECT_FALSE(c->GetRegion()->IsEmpty());
}

// Each class holds only the points it can use; copying between classes takes
// the slots both have and leaves the others unset, saved copies included.
TEST(Primitive, CopyFromBetweenClassesOfDifferentPointCounts) {
    const CPoint curve[4] = {{1, 2}, {3, 4}, {5, 6}, {7, 8}};
    CBezier b(curve, false);
    CLine l;
    l.CopyFrom(&b);
    EXPECT_EQ(l.GetPoint(1), (CPoint{3, 4}));
    l.Move(10, 10);
    l.RestoreState();
    EXPECT_EQ(l.GetPoint(0), (CPoint{1, 2}));
    CBezier wide(curve, false);
    wide.CopyFrom(&l);
    EXPECT_EQ(wide.GetPoint(1), (CPoint{3, 4}));
    EXPECT_EQ(wide.GetPoint(2), POINT_UNSET);
    EXPECT_FALSE(wide.IsComplete());
    wide.Move(1, 1);
    wide.RestoreState();
    EXPECT_EQ(wide.GetPoint(3), POINT_UNSET);
    CConnection dot;
    CPoly poly(0, 0, 10, 0, 10, 10, false);
    dot.CopyFrom(&poly);
    EXPECT_EQ(dot.GetPoint(0), (CPoint{0, 0}));
    poly.CopyFrom(&dot);
    EXPECT_EQ(poly.GetPoint(1), POINT_UNSET);
    EXPECT_EQ(poly.GetPoint(10), POINT_UNSET); // ten slots: the count is clamped to them
    poly.m_nVertices = 50;
    EXPECT_EQ(poly.GetPointCount(), MAX_VERTICES);
}

TEST(Primitive, RegionKeyIsNeitherCopiedNorCloned) {
    CLine l(0, 0, 5, 5, false);
    l.m_nRegionKey = 7;
    EXPECT_EQ(l.Clone()->m_nRegionKey, 0u);
    CLine other;
    other.m_nRegionKey = 3;
    other.CopyFrom(&l);
    EXPECT_EQ(other.m_nRegionKey, 3u);
}

TEST(HitTest, PointsComeFirstLowerIndexWinsAndInMacroNeverHits) {
    CRecordingSurface dc;
    CLine l(0, 0, 3, 0, false);
    l.UpdateRegion(dc);
    EXPECT_EQ(l.HitTest(2, 1, dc), 0); // both ends within 4 pixels: the lower index
    EXPECT_EQ(l.HitTest(6, 0, dc), 1);
    CLine m(0, 0, 100, 0, false);
    m.UpdateRegion(dc);
    EXPECT_EQ(m.HitTest(50, 2, dc), HIT_INSIDE);
    EXPECT_EQ(m.HitTest(50, 30, dc), HIT_MISS);
    m.SetInMacro(true);
    EXPECT_EQ(m.HitTest(0, 0, dc), HIT_MISS);
}

TEST(HitTest, PointsAreComparedInDevicePixels) {
    CRecordingSurface dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(10, 10); // ten pixels per unit
    CConnection c(10, 10, false);
    c.UpdateRegion(dc);
    EXPECT_EQ(c.HitTest(104, 96, dc), 0);
    EXPECT_EQ(c.HitTest(94, 100, dc), HIT_INSIDE); // outside the point test, inside the dot
    EXPECT_EQ(c.HitTest(125, 100, dc), HIT_MISS);
}

TEST(LineRegion, BandFollowsTheSegmentAndKeepsAMinimumWidth) {
    CRecordingSurface dc;
    CRegion r;
    MakeLineRegion(dc, r, 0, 0, 100, 0, 10); // h = 5
    EXPECT_TRUE(r.PtInRegion(50, 4));
    EXPECT_TRUE(r.PtInRegion(50, -5));
    EXPECT_FALSE(r.PtInRegion(50, 6));
    // Rising segment: the parallelogram is offset the other way.
    MakeLineRegion(dc, r, 0, 0, 100, 100, 10);
    EXPECT_TRUE(r.PtInRegion(50, 50));
    EXPECT_FALSE(r.PtInRegion(80, 20));
    // At ten pixels per unit ten pixels are one unit: the band is still 2 units wide.
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(1000, 1000);
    MakeLineRegion(dc, r, 0, 0, 100, 0, 10);
    EXPECT_TRUE(r.PtInRegion(50, 0));
    EXPECT_TRUE(r.PtInRegion(50, -1));
    EXPECT_FALSE(r.PtInRegion(50, 1));
}

TEST(Strings, ReplaceAllDoesNotOverlapAndParseDecimalTakesLeadingDigits) {
    std::string s = "aaa";
    ReplaceAll(s, "aa", "b");
    EXPECT_EQ(s, "ba");
    s = "Courier New Bold";
    ReplaceAll(s, " ", "++");
    EXPECT_EQ(s, "Courier++New++Bold");
    EXPECT_EQ(ParseDecimal("12abc"), 12);
    EXPECT_EQ(ParseDecimal("abc"), 0);
    EXPECT_EQ(ParseDecimal("  -7"), -7);
    EXPECT_EQ(ParseDecimal("99999999999999999999"), INT32_MAX);
}

// The pick converts only the points near the click; it must answer exactly what
// converting every point would, whatever the mapping.
TEST(HitTest, NearPointShortcutAgreesWithConvertingEveryPoint) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 300; ++round) {
        CRecordingSurface dc;
        dc.SetMapMode(pick(0, 1) ? MM_ANISOTROPIC : MM_ISOTROPIC);
        dc.SetWindowExt(pick(1, 5000) * (pick(0, 3) ? 1 : -1), pick(1, 5000));
        dc.SetViewportExt(pick(1, 5000), pick(1, 5000) * (pick(0, 3) ? 1 : -1));
        dc.SetWindowOrg(pick(-500, 500), pick(-500, 500));
        dc.SetViewportOrg(pick(-500, 500), pick(-500, 500));
        CLine l(pick(-3000, 3000), pick(-3000, 3000), pick(-3000, 3000), pick(-3000, 3000), false);
        const CPoint d = dc.LPtoDP(l.GetPoint(pick(0, 1)));
        const int x = d.x + pick(-7, 7), y = d.y + pick(-7, 7);
        int want = HIT_MISS;
        for (int i = 1; i >= 0; --i) {
            const CPoint p = dc.LPtoDP(l.GetPoint(i));
            if (std::llabs(std::int64_t(x) - p.x) < 5 && std::llabs(std::int64_t(y) - p.y) < 5)
                want = i;
        }
        EXPECT_EQ(l.HitTest(x, y, dc), want) << "round " << round;
    }
}
