// A view's screen mapping, snapping and zoom commands.
#include "view_test_util.h"
#include "doc/document.h"
#include "view/view_coords.h"
#include "view/zoom_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(ViewMapping, LogicalPointsLandWhereScaleScrollAndPixelRatioPutThem) {
    struct Case {
        double dScale;
        CPoint ptScroll;
        bool bStretch;
        double dRatio;
        CPoint ptLogical, ptDevice;
    } cases[] = {
        {1.0, {0, 0}, false, 1.0, {100, 200}, {100, 200}},
        {4.0, {0, 0}, false, 1.0, {10, 20}, {40, 80}},
        {8.0, {90, 90}, false, 1.0, {100, 100}, {80, 80}},
        {8.0, {90, 90}, false, 2.0, {100, 100}, {160, 160}},
        {0.5, {-100, 50}, false, 1.0, {0, 50}, {50, 0}},
        {2.0, {10, 10}, true, 1.0, {2500, 2500}, {500, 250}},
        {2.0, {10, 10}, true, 1.0, {1250, 1250}, {250, 125}},
        {2.0, {10, 10}, true, 1.5, {1250, 1250}, {375, 188}},
    };
    for (const Case& c : cases) {
        CViewCoords v = View(500, 250, c.dScale, c.ptScroll);
        v.SetScale(c.dScale, c.bStretch);
        EXPECT_EQ(v.LPtoDP(c.ptLogical, c.dRatio), c.ptDevice) << c.dScale << " " << c.dRatio;
    }
}

TEST(ViewMapping, DevicePointsAtIntegerZoomConvertBackExactly) {
    for (double dScale : {1.0, 2.0, 4.0, 20.0}) {
        const CViewCoords v = View(640, 480, dScale, {37, -12});
        for (CPoint p : {CPoint{37, -12}, CPoint{100, 100}, CPoint{-5, 2499}}) {
            EXPECT_EQ(v.DPtoLP(v.LPtoDP(p)), p);
            EXPECT_EQ(v.DPtoLP(v.LPtoDP(p, 2.0), 2.0), p);
        }
    }
}

TEST(ViewSnap, PointsRoundToTheSnapStepAwayFromZeroFromHalfAStep) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    struct Case {
        int nStepX, nStepY;
        CPoint in, out;
    } cases[] = {
        {5, 5, {11, -11}, {10, -10}}, {5, 5, {12, -12}, {15, -15}}, {5, 5, {14, -14}, {15, -15}},
        {5, 5, {16, 0}, {15, 0}},     {4, 3, {5, 4}, {4, 6}},       {4, 3, {6, -2}, {8, -3}},
        {1, 1, {7, -7}, {7, -7}},     {0, -5, {7, 8}, {7, 8}},
        {5, 5, {kMax, kMin}, {kMax, kMin}},
        {20, 20, {kMax - 7, kMin + 8}, {kMax - 7, kMin + 8}},
    };
    for (const Case& c : cases) {
        CViewCoords v;
        v.m_grid = CGridSnap{5, 5, c.nStepX, c.nStepY};
        EXPECT_EQ(v.SnapPoint(c.in), c.out) << c.in.x << "," << c.in.y;
    }
}

TEST(ViewZoom, TheZoomToolCentresTheClickedPointWithinTheSheet) {
    struct Case {
        CPoint pt;
        bool bIn;
        CPoint ptScroll;
    } cases[] = {
        {{1000, 1000}, true, {846, 884}},   // 400 / 1.3 by 300 / 1.3 units visible
        {{10, 10}, true, {0, 0}},           // not before the sheet
        {{2490, 2490}, true, {2192, 2269}}, // nor past its end
        {{1000, 1000}, false, {740, 805}},
    };
    for (const Case& c : cases) {
        CViewCoords v = View(400, 300, 1.0, {0, 0});
        v.ZoomTool(c.pt, c.bIn);
        EXPECT_EQ(v.GetScrollPos(), c.ptScroll) << c.pt.x << (c.bIn ? " in" : " out");
        EXPECT_DOUBLE_EQ(v.GetScale(), c.bIn ? 1.3 : 1 / 1.3);
    }
}

TEST(ViewZoom, AWiderWindowThanTheSheetCentresFromTheSheetsStart) {
    EXPECT_EQ(View(4000, 4000, 1.0, {0, 0}).CenterOn(2000, 500, 1.0), (CPoint{0, 0}));
}

TEST(ViewZoom, ZoomingAboutThePointerKeepsTheUnitUnderIt) {
    struct Case {
        double dFrom, dTo;
        CPoint ptScroll, ptPointer;
    } cases[] = {
        {1.0, 1.3, {0, 0}, {200, 100}},     {4.0, 4.0 / 1.3, {100, 50}, {399, 0}},
        {0.1, 0.13, {-500, 0}, {13, 291}},  {20.0, 15.0, {1200, 1200}, {7, 7}},
        {2.0, 40.0, {300, 300}, {250, 80}}, // pinned to 20
    };
    for (const Case& c : cases) {
        CViewCoords v = View(400, 300, c.dFrom, c.ptScroll);
        const CPoint before = v.DPtoLP(c.ptPointer);
        v.ZoomAbout(c.ptPointer, c.dTo);
        const CPoint after = v.DPtoLP(c.ptPointer);
        const double dPixel = 1 + 1 / v.GetScale(); // units in a pixel, plus rounding
        EXPECT_NEAR(after.x, before.x, dPixel) << c.dFrom << " to " << c.dTo;
        EXPECT_NEAR(after.y, before.y, dPixel) << c.dFrom << " to " << c.dTo;
        EXPECT_EQ(v.GetScale(), CViewCoords::ClampScale(c.dTo));
    }
}

TEST(ViewZoom, TheZoomBoxZoomsExactlyAndGoesBackToTheSheetOrigin) {
    CViewCoords v = View(400, 300, 1.0, {500, 500});
    v.ApplyZoomPercent(1000);
    EXPECT_EQ(v.GetScale(), 10.0);
    EXPECT_EQ(v.GetScrollPos(), (CPoint{0, 0}));
}

TEST(ViewZoom, StretchTogglesKeepingTheZoomAndGoesBackToTheSheetOrigin) {
    CViewCoords v = View(400, 300, 3.0, {500, 500});
    EXPECT_TRUE(v.ToggleStretch());
    EXPECT_TRUE(v.m_bStretch);
    EXPECT_EQ(v.GetScrollPos(), (CPoint{0, 0}));
    EXPECT_EQ(v.LPtoDP({2500, 2500}), (CPoint{400, 300}));
    v.ToggleStretch();
    EXPECT_FALSE(v.m_bStretch);
    EXPECT_EQ(v.LPtoDP({100, 0}), (CPoint{300, 0}));
}

TEST(ViewZoom, FittingShowsTheExtentWithAFivePercentMarginOnTheTighterAxis) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    struct Case {
        CRect extent;
        double dScale;
        CPoint ptScroll;
    } cases[] = {
        {{100, 100, 1100, 600}, 800.0 / 1100, {50, 75}},
        {{-200, -100, 300, 400}, 600.0 / 550, {-225, -125}},
        {{0, 0, 0, 0}, 600.0 / 2750, {-125, -125}}, // nothing shown: the sheet
        {{100, 100, 110, 105}, 20.0, {100, 100}},
        {{kMin, kMin, kMax, kMax}, 0.1, {kMin, kMin}},
    };
    for (const Case& c : cases) {
        CViewCoords v = View(800, 600, 5.0, {7, 7});
        v.SetScale(5.0, true);
        EXPECT_TRUE(v.FitToWindow(c.extent));
        EXPECT_DOUBLE_EQ(v.GetScale(), c.dScale) << c.extent.left;
        EXPECT_EQ(v.GetScrollPos(), c.ptScroll) << c.extent.left;
        EXPECT_FALSE(v.m_bStretch);
    }
}

TEST(ViewZoom, NewViewsStartByDocumentKind) {
    const CRect kLarge{-200, -100, 300, 400}, kSmall{95, 92, 140, 110};
    struct Case {
        int nKind;
        bool bContent;
        CRect extent;
        double dScale;
        CPoint ptScroll;
        bool bSnap;
    } cases[] = {
        {DOC_DRAWING, false, kLarge, 4.0, {0, 0}, true},
        {DOC_MACRO, false, kLarge, 8.0, {90, 90}, false},
        {DOC_LIBRARY, false, kLarge, 8.0, {90, 90}, false},
        {DOC_DRAWING, true, kLarge, 600.0 / 550, {-225, -125}, true},
        {DOC_MACRO, true, kLarge, 600.0 / 550, {-225, -125}, false},
        // A library component shows at 800 % from (90, 90) unless it does not fit so.
        {DOC_LIBRARY, true, kSmall, 8.0, {90, 90}, false},
        {DOC_LIBRARY, true, kLarge, 600.0 / 550, {-225, -125}, false},
    };
    for (const Case& c : cases) {
        CViewCoords v = View(800, 600, 1.0, {3, 3});
        v.m_bPCBMode = true;
        v.m_grid.bSnap = !c.bSnap;
        v.m_grid.bHideMacroOrigin = !c.bSnap;
        v.StartView(c.nKind, c.bContent, c.extent);
        EXPECT_DOUBLE_EQ(v.GetScale(), c.dScale) << c.nKind;
        EXPECT_EQ(v.GetScrollPos(), c.ptScroll) << c.nKind;
        EXPECT_EQ(v.m_grid.bSnap, c.bSnap);
        EXPECT_EQ(v.m_grid.bHideMacroOrigin, c.bSnap);
        EXPECT_FALSE(v.m_bPCBMode);
    }
}

