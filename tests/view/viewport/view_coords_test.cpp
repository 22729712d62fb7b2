#include "support/controller_fixture.h"
#include "view/viewport/view_coords.h"
#include "view/viewport/view_paint.h"
#include "view/viewport/zoom_text.h"

#include <clocale>
#include <limits>

namespace {
constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
}

// At integer zooms a device point converts back to the same unit.
TEST(ViewMapping, LogicalPointsLandWhereScaleScrollAndPixelRatioPutThem) {
    // clang-format off
    const struct { double dScale; CPoint ptScroll; bool bStretch; double dRatio; CPoint ptLogical, ptDevice; } cases[] = {
        {1.0, {0, 0}, false, 1.0, {100, 200}, {100, 200}},    {8.0, {90, 90}, false, 2.0, {100, 100}, {160, 160}},
        {0.5, {-100, 50}, false, 1.0, {0, 50}, {50, 0}},      {2.0, {10, 10}, true, 1.0, {2500, 2500}, {500, 250}},
        {2.0, {10, 10}, true, 1.5, {1250, 1250}, {375, 188}}, {20.0, {37, -12}, false, 2.0, {-5, 2499}, {-1680, 100440}}};
    // clang-format on
    for (const auto& c : cases) {
        CViewCoords v = View(500, 250, c.dScale, c.ptScroll);
        v.SetScale(c.dScale, c.bStretch);
        EXPECT_EQ(v.LPtoDP(c.ptLogical, c.dRatio), c.ptDevice) << c.dScale << " " << c.dRatio;
        EXPECT_TRUE(c.bStretch || c.dScale < 1 || v.DPtoLP(c.ptDevice, c.dRatio) == c.ptLogical);
    }
}

TEST(ViewSnap, PointsRoundToTheSnapStepAwayFromZeroFromHalfAStep) {
    // clang-format off
    const struct { int nStepX, nStepY; CPoint in, out; } cases[] = {
        {5, 5, {12, -12}, {15, -15}}, {5, 5, {11, -11}, {10, -10}}, {4, 3, {6, -2}, {8, -3}},
        {4, 3, {5, 4}, {4, 6}},       {0, -5, {7, 8}, {7, 8}},      {5, 5, {kMax, kMin}, {kMax, kMin}},
        {20, 20, {kMax - 7, kMin + 8}, {kMax - 7, kMin + 8}}};
    // clang-format on
    for (const auto& c : cases) {
        CViewCoords v;
        v.m_grid = CGridSnap{5, 5, c.nStepX, c.nStepY};
        EXPECT_EQ(v.SnapPoint(c.in), c.out) << c.in.x << "," << c.in.y;
    }
}

// The zoom tool centres the clicked point within the sheet (400 / 1.3 by 300 / 1.3 units visible).
TEST(ViewZoom, TheZoomToolCentresTheClickedPointTheZoomBoxTheOrigin) {
    // clang-format off
    const struct { CPoint pt; bool bIn; CPoint ptScroll; } clicks[] = {
        {{1000, 1000}, true, {846, 884}}, {{10, 10}, true, {0, 0}}, {{2490, 2490}, true, {2192, 2269}},
        {{1000, 1000}, false, {740, 805}}};
    // clang-format on
    for (const auto& c : clicks) {
        CViewCoords v = View(400, 300, 1.0, {0, 0});
        v.ZoomTool(c.pt, c.bIn);
        EXPECT_EQ(v.GetScrollPos(), c.ptScroll) << c.pt.x << (c.bIn ? " in" : " out");
        EXPECT_DOUBLE_EQ(v.GetScale(), c.bIn ? 1.3 : 1 / 1.3);
    }
    CViewCoords v = View(400, 300, 3.0, {500, 500}); // the zoom box goes back to the sheet's origin
    EXPECT_TRUE(v.ApplyZoomPercent(1000) && v.GetScale() == 10.0 &&
                v.GetScrollPos() == CPoint({0, 0}));
}

// Fitting (DOC_NONE here) shows the extent with a 5 % margin on the tighter axis, at most the
// sheet, or the sheet when nothing is shown (a flat box is a line: it gets its pick reach
// across); a new view starts by its document's kind, a library component at 800 % (as the
// end-to-end library case sees) unless it does not fit so.
TEST(ViewZoom, FittingAndNewViews) {
    const CRect kLarge{-200, -100, 300, 400};
    // clang-format off
    const struct { int nKind; bool bContent; CRect extent; double dScale; CPoint ptScroll; } cases[] = {
        {DOC_NONE, true, {100, 100, 1100, 600}, 800.0 / 1100, {50, 75}},
        {DOC_NONE, true, {0, 0, 0, 0}, 600.0 / 2500, {0, 0}},
        {DOC_NONE, true, {10, 10, 60, 10}, 800.0 / 54, {8, 5}},  // a lone horizontal line
        {DOC_NONE, true, {100, 100, 110, 105}, 20.0, {100, 100}},
        {DOC_NONE, true, {kMin, kMin, kMax, kMax}, 600.0 / 2500, {0, 0}},
        {DOC_NONE, true, {100, 100, 3000000, 203}, 800.0 / 2500, {0, 95}},  // a long text
        {DOC_NONE, true, {3000, 3000, 3100, 3100}, 600.0 / 2500, {0, 0}},  // nothing on the sheet
        {DOC_DRAWING, false, kLarge, 4.0, {0, 0}},  {DOC_MACRO, false, kLarge, 8.0, {90, 90}},
        {DOC_LIBRARY, true, kLarge, 600.0 / 425, {0, 0}}};
    // clang-format on
    for (const auto& c : cases) {
        CViewCoords v = View(800, 600, 5.0, {7, 7});
        v.SetScale(5.0, true);
        v.m_bPCBMode = true;
        v.m_grid.bSnap = v.m_grid.bHideMacroOrigin = c.nKind != DOC_DRAWING;
        if (c.nKind == DOC_NONE)
            EXPECT_TRUE(v.FitToWindow(c.extent));
        else
            v.StartView(c.nKind, c.bContent, c.extent);
        EXPECT_DOUBLE_EQ(v.GetScale(), c.dScale) << c.nKind << " " << c.extent.left;
        EXPECT_EQ(v.GetScrollPos(), c.ptScroll) << c.nKind << " " << c.extent.left;
        EXPECT_FALSE(v.m_bStretch);
        const bool bDrawing = c.nKind == DOC_DRAWING;
        EXPECT_TRUE(
            c.nKind == DOC_NONE ||
            (v.m_grid.bSnap == bDrawing && v.m_grid.bHideMacroOrigin == bDrawing && !v.m_bPCBMode));
    }
}

// Page 500, step 5: the last position is 2000.
TEST(ViewScroll, ArrowsStepBySnapAndPagesByAScreenWithoutLeavingTheSheet) {
    // clang-format off
    const struct { int nCode, nPos, nThumb, nDelta; } cases[] = {
        {SCROLL_LINE_BACK, 100, 0, -5},   {SCROLL_LINE_BACK, 3, 0, -3},         {SCROLL_LINE_BACK, -10, 0, 10},
        {SCROLL_LINE_FORWARD, 1998, 0, 2}, {SCROLL_LINE_FORWARD, 2100, 0, -100}, {SCROLL_PAGE_BACK, 300, 0, -300},
        {SCROLL_PAGE_FORWARD, 1500, 0, 500}, {SCROLL_PAGE_FORWARD, 1600, 0, 400}, {SCROLL_OTHER, 100, 700, 0},
        {SCROLL_THUMB_POSITION, 100, 700, 600}, {SCROLL_THUMB_TRACK, 100, -40, -140}, {SCROLL_LINE_BACK, kMin, 0, kMax},
        {SCROLL_THUMB_TRACK, kMin, kMax, kMax}, {SCROLL_PAGE_FORWARD, kMax, 0, 2000 - kMax}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(CViewCoords::ScrollDelta(c.nCode, c.nPos, 500, 5, c.nThumb), c.nDelta)
            << "code " << c.nCode << " at " << c.nPos;
    CViewCoords v = View(400, 300, 2.0, {100, 2250}); // 200 by 150 units visible
    EXPECT_EQ(v.OnScroll(true, SCROLL_PAGE_FORWARD, 0), -200);
    EXPECT_EQ(v.OnScroll(false, SCROLL_THUMB_TRACK, -20), 240);
    EXPECT_EQ(v.GetScrollPos(), (CPoint{-20, 2350}));
}

// Grid dots lie one per grid point while at least 4 pixels apart, else every
// k-th point on that axis; counted from the sheet's origin, none beyond it.
TEST(ViewGrid, PointsCloserThanFourPixelsAreThinnedOnEachAxis) {
    // clang-format off
    const struct { int nZoom, nGridX, nGridY; bool bStretch; double dpr; int colGap[2], rowGap[2]; } cases[] = {
        {100, 5, 5, false, 1, {5, 5}, {5, 5}},   // far enough apart: every point
        {20, 5, 5, false, 1, {4, 4}, {4, 4}},    // every 4th, not every pixel
        {26, 5, 40, false, 1, {5, 6}, {10, 11}}, // y far enough apart, x not
        {100, 1, 3, false, 2, {8, 8}, {12, 12}}, // pixels the user sees
        {100, 5, 5, true, 1, {4, 4}, {5, 5}}};   // the sheet squeezed to 250 x 2500
    // clang-format on
    for (const auto& c : cases) {
        const int cx = c.bStretch ? 250 : 600, cy = c.bStretch ? 2500 : 400;
        CViewCoords v = View(cx, cy, c.nZoom / 100.0, {0, 0});
        v.SetScale(c.nZoom / 100.0, c.bStretch);
        v.m_grid.nGridX = c.nGridX, v.m_grid.nGridY = c.nGridY;
        std::vector<int> axes[2];
        GridDevicePositions(v, c.dpr, {0, 0, int(cx * c.dpr), int(cy * c.dpr)}, axes[0], axes[1]);
        const CPoint end = v.LPtoDP({SHEET_SIZE, SHEET_SIZE}, c.dpr);
        for (int a : {0, 1}) {
            const std::vector<int>& p = axes[a];
            ASSERT_GT(p.size(), 2u) << c.nZoom;
            std::set<int> gaps;
            for (std::size_t i = 1; i < p.size(); ++i)
                gaps.insert(p[i] - p[i - 1]);
            const int* want = a ? c.rowGap : c.colGap;
            EXPECT_EQ(std::vector<int>({p.front(), p.back() < (a ? end.y : end.x), *gaps.begin(),
                                        *gaps.rbegin()}),
                      std::vector<int>({0, 1, want[0], want[1]}))
                << c.nZoom << " axis " << a;
        }
    }
}

// Typed: a percent sign and a leading 10 to 2000 (0: ignored); chosen from
// the list, no sign needed. Every accepted percent reads back as typed.
TEST(ViewZoomBox, OnlyATextWithPercentAndALeadingTenToTwoThousandCounts) {
    // clang-format off
    const struct { const char* pszText; int nTyped, nChosen; } cases[] = {
        {" 75 %", 75, 75}, {"10%", 10, 10}, {"2000%", 2000, 2000}, {"+200%", 200, 200}, {"1000%x", 1000, 1000},
        {"9%", 0, 0}, {"2001%", 0, 0}, {"-50%", 0, 0}, {"150", 0, 150}, {"%150", 0, 0}, {"", 0, 0},
        {"99999999999999999999%", 0, 0}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ParseTypedZoom(c.pszText).value_or(0), c.nTyped) << c.pszText;
        EXPECT_EQ(ParseChosenZoom(c.pszText).value_or(0), c.nChosen) << c.pszText;
    }
    for (int n = 10; n <= 2000; ++n)
        ASSERT_EQ(ZoomBoxText(n / 100.0), std::to_string(n) + "%");
    EXPECT_EQ(ZoomBoxText(0.129999), "12%");
}

// Units and millimetres with two decimals, a point even under a locale that writes decimal commas.
TEST(ViewReadout, ShowsUnitsAndMillimetresWithTwoDecimals) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* psz : {"it_IT.UTF-8", "it_IT.utf8", "it_IT", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, psz)) break;
    const bool bComma = std::localeconv()->decimal_point[0] == ',';
    const std::string text = FormatReadout({-3, 200}, 127) + FormatReadout({kMin, kMax}, 1000);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, "(-3,200) (-0.38 mm, 25.40 mm)(-2147483648,2147483647) (-2147483648.00 mm, "
                    "2147483647.00 mm)");
    if (!bComma) GTEST_SKIP() << "no locale with a decimal comma installed";
}

// Where the sheet ends on screen: the grid covers the sheet only, and the
// sheet's device rectangle is what the window paints white.
TEST(ViewSheet, TheGridStopsAtTheSheetsEdgesOnEverySide) {
    // clang-format off
    const struct { CPoint ptScroll; int nZoom; double dpr; CRect sheet; int firstCol, firstRow, lastCol, lastRow; } cases[] = {
        {{-20, -10}, 100, 1, {20, 10, 2520, 2510}, 20, 10, 395, 395},   // above and left of it
        {{-20, -10}, 200, 2, {80, 40, 10080, 10040}, 80, 40, 780, 780},
        {{2400, 2450}, 100, 1, {-2400, -2450, 100, 50}, 0, 0, 95, 45},  // below and right of it
        {{0, 0}, 100, 1, {0, 0, 2500, 2500}, 0, 0, 395, 395},           // the sheet fills the view
    };
    // clang-format on
    for (const auto& c : cases) {
        const CViewCoords v = View(400, 400, c.nZoom / 100.0, c.ptScroll);
        const CRect s = SheetDeviceRect(v, c.dpr);
        EXPECT_EQ((std::vector<int>{s.left, s.top, s.right, s.bottom}),
                  (std::vector<int>{c.sheet.left, c.sheet.top, c.sheet.right, c.sheet.bottom}))
            << c.ptScroll.x;
        std::vector<int> cols, rows;
        const int n = int(400 * c.dpr);
        GridDevicePositions(v, c.dpr, {0, 0, n, n}, cols, rows);
        ASSERT_FALSE(cols.empty() || rows.empty());
        EXPECT_EQ((std::vector<int>{cols.front(), rows.front(), cols.back(), rows.back()}),
                  (std::vector<int>{c.firstCol, c.firstRow, c.lastCol, c.lastRow}))
            << c.ptScroll.x;
    }
}
