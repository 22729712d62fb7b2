#include "model/mapping.h"

#include <gtest/gtest.h>

// Halves round away from zero; the isotropic mode shrinks the larger scale,
// keeping its sign; results are computed wide and pinned once at the end.
TEST(Mapping, PointsMapBothWays) {
    const int MAX = INT32_MAX, MIN = INT32_MIN;
    // The origin is the viewport's; inverse: the device point maps back to the logical one.
    // clang-format off
    struct Row { int mode; CSize window, viewport; CPoint origin, logical, device; bool inverse; } const rows[] = {
        {MM_TEXT, {5, 5}, {9, 9}, {10, 20}, {1, 2}, {11, 22}, true}, // extents ignored
        {MM_ANISOTROPIC, {100, 100}, {250, 50}, {0, 0}, {10, 10}, {25, 5}, true},
        {MM_ANISOTROPIC, {100, 100}, {250, 50}, {0, 0}, {1, 1}, {3, 1}, false},
        {MM_ANISOTROPIC, {100, 100}, {250, 50}, {0, 0}, {-1, -1}, {-3, -1}, false},
        {MM_ISOTROPIC, {2500, 2500}, {500, -300}, {0, 0}, {2500, 2500}, {300, -300}, true},
        {MM_ISOTROPIC, {2500, 2500}, {-300, 500}, {0, 0}, {2500, 2500}, {-300, 300}, true},
        {MM_ANISOTROPIC, {1, 1}, {1000, 1000}, {MAX, MIN}, {MAX, MAX}, {MAX, MAX}, false},
    };
    // clang-format on
    auto Make = [](const Row& r) {
        CMapping m;
        m.SetMapMode(r.mode);
        m.SetWindowExt(r.window.cx, r.window.cy);
        m.SetViewportExt(r.viewport.cx, r.viewport.cy);
        m.SetViewportOrg(r.origin.x, r.origin.y);
        return m;
    };
    for (const Row& r : rows) {
        const CMapping m = Make(r);
        EXPECT_EQ(m.LPtoDP(r.logical), r.device) << r.logical.x << "," << r.logical.y;
        if (r.inverse) {
            EXPECT_EQ(m.DPtoLP(r.device), r.logical) << r.device.x << "," << r.device.y;
        }
    }
    // Sizes are lengths: positive whatever the sign of the extents.
    auto pair = [](CSize s) { return std::make_pair(s.cx, s.cy); };
    const CMapping iso = Make(rows[4]);
    EXPECT_EQ(pair(iso.GetViewportExt()), std::make_pair(300, -300));
    EXPECT_EQ(pair(iso.LPtoDP(CSize{25, 25})), std::make_pair(3, 3));
    EXPECT_EQ(pair(Make(rows[1]).DPtoLP(CSize{10, 10})), std::make_pair(4, 20));
    EXPECT_EQ(Make(rows[6]).DPtoLP(CSize{MAX, MIN}).cx, 2147484);
}
