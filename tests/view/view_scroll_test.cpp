// The scroll bars of a view: ranges, steps and the scroll actions.
#include "view_test_util.h"
#include "view/view_coords.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();

} // namespace

TEST(ViewScrollDelta, ArrowsStepBySnapAndPagesByAScreenWithoutLeavingTheSheet) {
    struct Case {
        int nCode, nPos, nThumb, nDelta;
    } cases[] = {
        // page 500, step 5: the last position is 2000
        {SCROLL_LINE_BACK, 100, 0, -5},       {SCROLL_LINE_BACK, 3, 0, -3},
        {SCROLL_LINE_BACK, -10, 0, 10},       {SCROLL_LINE_FORWARD, 100, 0, 5},
        {SCROLL_LINE_FORWARD, 1998, 0, 2},    {SCROLL_LINE_FORWARD, 2100, 0, -100},
        {SCROLL_PAGE_BACK, 800, 0, -500},     {SCROLL_PAGE_BACK, 300, 0, -300},
        {SCROLL_PAGE_FORWARD, 1000, 0, 500},  {SCROLL_PAGE_FORWARD, 1500, 0, 500},
        {SCROLL_PAGE_FORWARD, 1600, 0, 400},  {SCROLL_THUMB_POSITION, 100, 700, 600},
        {SCROLL_THUMB_TRACK, 100, -40, -140}, {SCROLL_OTHER, 100, 700, 0},
        {SCROLL_LINE_BACK, kMin, 0, kMax},    {SCROLL_THUMB_TRACK, kMin, kMax, kMax},
        {SCROLL_LINE_FORWARD, kMin, 0, 5},    {SCROLL_PAGE_FORWARD, kMax, 0, 2000 - kMax},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CViewCoords::ScrollDelta(c.nCode, c.nPos, 500, 5, c.nThumb), c.nDelta)
            << "code " << c.nCode << " at " << c.nPos;
}

TEST(ViewScrollBars, RangesHoldThePositionAndOnlyAPositionPastTheEndIsPulledBack) {
    struct Case {
        double dScale;
        CPoint ptScroll;
        CScrollAxis h, v; // bVisible, nMin, nMax, nPage, nLine, nPos
        CPoint ptAfter;
    } cases[] = {
        {1.0, {0, 0}, {true, 0, 2100, 400, 3, 0}, {true, 0, 2200, 300, 7, 0}, {0, 0}},
        {1.0,
         {2300, 2400},
         {true, 0, 2100, 400, 3, 2100},
         {true, 0, 2200, 300, 7, 2200},
         {2100, 2200}},
        {1.0,
         {-50, -60},
         {true, -50, 2100, 400, 3, -50},
         {true, -60, 2200, 300, 7, -60},
         {-50, -60}},
        {0.1, {3000, 20}, {true, 0, 3000, 4000, 3, 3000}, {true, 0, 20, 3000, 7, 20}, {3000, 20}},
        {2.0,
         {kMin, kMax},
         {true, kMin, 2300, 200, 3, kMin},
         {true, 0, 2350, 150, 7, 2350},
         {kMin, 2350}},
    };
    for (const Case& c : cases) {
        CViewCoords v = View(400, 300, c.dScale, c.ptScroll);
        v.m_grid.nSnapX = 3;
        v.m_grid.nSnapY = 7;
        for (bool bVertical : {false, true}) {
            const CScrollAxis a = v.UpdateScrollBar(bVertical), e = bVertical ? c.v : c.h;
            EXPECT_TRUE(a.bVisible);
            EXPECT_EQ(a.nMin, e.nMin) << c.ptScroll.x << " " << bVertical;
            EXPECT_EQ(a.nMax, e.nMax) << c.ptScroll.x << " " << bVertical;
            EXPECT_EQ(a.nPage, e.nPage) << c.ptScroll.x << " " << bVertical;
            EXPECT_EQ(a.nLine, e.nLine);
            EXPECT_EQ(a.nPos, e.nPos) << c.ptScroll.x << " " << bVertical;
        }
        EXPECT_EQ(v.GetScrollPos(), c.ptAfter);
    }
}

TEST(ViewScrollBars, PageDownNearTheEndStopsExactlyAtTheLastPage) {
    CViewCoords v = View(400, 300, 2.0, {100, 2250}); // 200 by 150 units visible
    EXPECT_EQ(v.OnScroll(true, SCROLL_PAGE_FORWARD, 0), -200);
    EXPECT_EQ(v.GetScrollPos(), (CPoint{100, 2350}));
    EXPECT_EQ(v.OnScroll(false, SCROLL_LINE_BACK, 0), 10);
    EXPECT_EQ(v.GetScrollPos(), (CPoint{95, 2350}));
    EXPECT_EQ(v.OnScroll(false, SCROLL_THUMB_TRACK, -20), 230);
    EXPECT_EQ(v.GetScrollPos(), (CPoint{-20, 2350}));
}
