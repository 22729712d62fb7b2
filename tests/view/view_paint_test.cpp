// Where a view's grid dots fall: one per grid point while they lie at least 4
// pixels apart, every k-th point on an axis where they would lie closer.
#include "view/view_paint.h"
#include "view_test_util.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

TEST(ViewGrid, PointsCloserThanFourPixelsAreThinnedOnEachAxis) {
    const struct {
        int nZoom, nGridX, nGridY;
        bool bStretch;
        double dpr;
        int colGap[2], rowGap[2]; // smallest and largest gap, device pixels
    } cases[] = {
        {100, 5, 5, false, 1, {5, 5}, {5, 5}},   // far enough apart: every point
        {20, 5, 5, false, 1, {4, 4}, {4, 4}},    // every 4th, not every pixel
        {26, 5, 40, false, 1, {5, 6}, {10, 11}}, // y far enough apart, x not
        {10, 1, 1, false, 1, {4, 4}, {4, 4}},    // every 40th
        {100, 1, 3, false, 2, {8, 8}, {12, 12}}, // pixels the user sees
        {100, 5, 5, true, 1, {4, 4}, {5, 5}},    // the sheet squeezed to 250 x 2500
    };
    for (const auto& c : cases) {
        CViewCoords v =
            View(c.bStretch ? 250 : 600, c.bStretch ? 2500 : 400, c.nZoom / 100.0, {0, 0});
        v.SetScale(c.nZoom / 100.0, c.bStretch);
        v.m_grid.nGridX = c.nGridX;
        v.m_grid.nGridY = c.nGridY;
        const CSize client = v.GetClientSize();
        std::vector<int> cols, rows;
        GridDevicePositions(v, c.dpr, {0, 0, int(client.cx * c.dpr), int(client.cy * c.dpr)}, cols,
                            rows);
        const CPoint end = v.LPtoDP({SHEET_SIZE, SHEET_SIZE}, c.dpr);
        for (const auto* axis : {&cols, &rows}) {
            const int* want = axis == &cols ? c.colGap : c.rowGap;
            const int last = axis == &cols ? end.x : end.y;
            ASSERT_GT(axis->size(), 2u) << c.nZoom;
            EXPECT_EQ(axis->front(), 0) << "counted from the sheet's origin, zoom " << c.nZoom;
            EXPECT_LT(axis->back(), last) << "none beyond the sheet, zoom " << c.nZoom;
            std::vector<int> gaps(axis->size());
            std::adjacent_difference(axis->begin(), axis->end(), gaps.begin());
            gaps.erase(gaps.begin());
            EXPECT_EQ(*std::min_element(gaps.begin(), gaps.end()), want[0]) << c.nZoom;
            EXPECT_EQ(*std::max_element(gaps.begin(), gaps.end()), want[1]) << c.nZoom;
        }
    }
}
