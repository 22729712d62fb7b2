#include "../test_util.h"
#include "model/bezier.h"
#include "model/recording_surface.h"

TEST(BezierDraw, PlacingShowsTheControlPolygonUnscaled) {
    CRecordingSurface dc;
    const CPoint pts[4] = {{0, 0}, {10, 0}, POINT_UNSET, POINT_UNSET};
    CBezier b(pts, false);
    b.Draw(dc, true, 0, 0, 0, 200, -1, false);
    ASSERT_EQ(dc.m_calls.size(), 1u);
    EXPECT_EQ(dc.m_calls[0], "line 0,0 10,0 rop=10 pen=000000/0 brush=none");
    b.SetPoint(2, 10, 10);
    b.SetPoint(3, 0, 10);
    dc.m_calls.clear();
    b.Draw(dc, false, 0, 0, 0, 200, -1, false);
    EXPECT_EQ(dc.m_calls[0], "bezier 0,0 20,0 20,20 0,20 rop=13 pen=000000/0 brush=none");
}

TEST(BezierRegion, FollowsTheCurveNotTheChord) {
    CRecordingSurface dc;
    auto b = Read("BE 0 0 0 100 100 100 100 0");
    b->UpdateRegion(dc);
    EXPECT_TRUE(b->GetRegion()->PtInRegion(50, 75)); // the curve's lowest point
    EXPECT_FALSE(b->GetRegion()->PtInRegion(50, 0)); // on the chord
    EXPECT_TRUE(b->GetRegion()->PtInRegion(1, 1));
    EXPECT_TRUE(b->GetRegion()->PtInRegion(99, 1));
}
