// Where the sheet ends on screen: the grid covers the sheet only, and the
// sheet's device rectangle is what the window paints white.
#include "view_test_util.h"

#include "view/view_paint.h"

#include <gtest/gtest.h>

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
