// Lines and connection dots: commands and drawing.
#include "../test_util.h"
#include "model/connection.h"
#include "model/line.h"
#include "model/recording_surface.h"

TEST(LineDraw, DrawsTheSegmentThenSetsTheEndPixel) {
    CRecordingSurface dc;
    CLine l(10, 20, 30, 40, false);
    EXPECT_EQ(l.Draw(dc, false, 0xFFFFFF, RGB(0, 0, 192), RGB(255, 0, 0), 200, -1, false), 0);
    ASSERT_EQ(dc.m_calls.size(), 2u);
    EXPECT_EQ(dc.m_calls[0], "line 20,40 60,80 rop=13 pen=c00000/0 brush=none");
    EXPECT_EQ(dc.m_calls[1], "pixel 60,80 c00000");
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
}

TEST(LineDraw, SelectionColourExceptInRubberBandAndNothingWhenIncomplete) {
    CRecordingSurface dc;
    CLine l(0, 0, 5, 5, false);
    l.SetSelected(true);
    l.Draw(dc, false, 0xFFFFFF, 0x000000, 0x0000FF, 100, -1, false);
    EXPECT_NE(dc.m_calls[0].find("pen=0000ff"), std::string::npos);
    dc.m_calls.clear();
    l.Draw(dc, true, 0xFFFFFF, 0x000000, 0x0000FF, 100, -1, false);
    EXPECT_NE(dc.m_calls[0].find("rop=10 pen=000000"), std::string::npos);
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    CLine unfinished(0, 0, -1, -1, false);
    dc.m_calls.clear();
    EXPECT_EQ(unfinished.Draw(dc, false, 0, 0, 0, 100, -1, false), -1);
    EXPECT_TRUE(dc.m_calls.empty());
}

TEST(LineDraw, ZoomScalingTruncatesTowardZeroAndNeverOverflows) {
    CRecordingSurface dc;
    CLine l(-3, 3, INT32_MAX, 7, false);
    l.Draw(dc, false, 0, 0, 0, 50, -1, false);
    EXPECT_EQ(dc.m_calls[0].substr(0, 23), "line -1,1 1073741823,3 ");
    dc.m_calls.clear();
    l.Draw(dc, false, 0, 0, 0, 2000, -1, false);
    EXPECT_EQ(dc.m_calls[0].substr(0, 26), "line -60,60 2147483647,140");
}

TEST(ConnectionDraw, FilledDotScalesAndRubberBandIsAnUnscaledArc) {
    CRecordingSurface dc;
    CConnection c(40, 10, false);
    c.Draw(dc, false, 0xFFFFFF, 0x00C000, 0x0000FF, 200, -1, false);
    EXPECT_EQ(dc.m_calls[0], "ellipse 78,18 82,22 rop=13 pen=00c000/0 brush=00c000");
    dc.m_calls.clear();
    c.Draw(dc, true, 0xFFFFFF, 0x00C000, 0x0000FF, 200, -1, false);
    EXPECT_EQ(dc.m_calls[0], "arc 39,9 41,11 rop=10 pen=00c000/0 brush=none");
}

TEST(ConnectionRegion, IsTheTwoUnitSquareWhateverTheZoom) {
    CRecordingSurface dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(50, 50);
    CConnection c(10, 10, false);
    c.UpdateRegion(dc);
    EXPECT_EQ(c.GetRegion()->GetRgnBox(), (CRect{9, 9, 11, 11}));
}

TEST(LineTransforms, RotatingAndMirroringMoveBothEnds) {
    auto l = Read("LI 0 0 10 10");
    l->Rotate(0, 0, false);
    EXPECT_EQ(Written(*l), "LI 0 0 -10 10\r\n");
    l->Mirror(0);
    EXPECT_EQ(Written(*l), "LI 0 0 10 10\r\n");
}
