// The page layout of a print: fit to page inside 5 mm margins, or real scale
// at the drawing's place, mirrored about the middle of its extent.
#include "view/print_layout.h"

#include <gtest/gtest.h>

namespace {
// A4 less some printable margin, at 600 dots per inch: about 203 x 290 mm.
constexpr CPrintPage kA4{4800, 6850, 600, 600};

struct DeviceBox {
    CPoint topLeft, bottomRight;
};
DeviceBox Mapped(const CPrintLayout& l) {
    CMapping map;
    ApplyPrintMapping(map, l);
    return {map.LPtoDP(CPoint{l.bounds.left, l.bounds.top}),
            map.LPtoDP(CPoint{l.bounds.right, l.bounds.bottom})};
}
} // namespace

// 127 micrometres a unit: x = 100 lies 12.7 mm from the printable corner and
// 201 units measure 25.52 mm; the layout tells whether the drawing lies on the page.
TEST(PrintLayout, PcbModeIsRealScaleAtTheDrawingsPlace) {
    // clang-format off
    const struct { CPrintPage page; CRect b; int nMicrons; bool bMirror, bFits; int nAxis; DeviceBox d; } cases[] = {
        {kA4, {100, 50, 301, 150}, 127, true, true, 200, {{300, 150}, {903, 450}}},
        {kA4, {100, 50, 300, 150}, 127, false, true, 200, {{300, 150}, {900, 450}}},
        {{9600, 13700, 1200, 1200}, {100, 50, 301, 150}, 127, true, true, 200, {{600, 300}, {1806, 900}}},
        {kA4, {100, 100, 1500, 2200}, 127, true, true, 800, {{300, 300}, {4500, 6600}}}, // 190.5 x 279.4 mm
        {kA4, {100, 100, 1700, 300}, 127, true, false, 900, {{300, 300}, {5100, 900}}},  // 215.9 mm wide
        {kA4, {0, 0, 2500, 2500}, 50, true, true, 1250, {{0, 0}, {2953, 2953}}},
        {kA4, {-3, 10, 200, 200}, 127, true, false, 98, {{-9, 30}, {600, 600}}},   // left of the corner
        {kA4, {-7, 10, -2, 200}, 127, true, false, -5, {{-21, 30}, {-6, 600}}},
        {kA4, {100, 2100, 200, 2300}, 127, true, false, 150, {{300, 6300}, {600, 6900}}}}; // below
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.b.right) + "," + std::to_string(c.b.bottom));
        const CPrintLayout l = LayOutPage(c.page, c.b, {true, c.nMicrons, c.bMirror});
        EXPECT_EQ(l.bMirror, c.bMirror);
        EXPECT_EQ(l.nMirrorX, c.nAxis);
        EXPECT_EQ(l.bFits, c.bFits);
        const DeviceBox d = Mapped(l);
        EXPECT_EQ(d.topLeft, c.d.topLeft);
        EXPECT_EQ(d.bottomRight, c.d.bottomRight);
    }
}

// Fitted: the tighter axis fills the page inside 5 mm (118 device units at
// 600 dpi), the other keeps the proportions; never mirrored.
TEST(PrintLayout, FitToPageFillsThePageInsideTheMargins) {
    // clang-format off
    const struct { CPrintPage page; CRect b; CPoint bottomRight; } cases[] = {
        {{6000, 4000, 600, 600}, {100, 100, 300, 200}, {5882, 3000}}, {kA4, {0, 0, 2500, 2500}, {4682, 4682}},
        {kA4, {10, 20, 110, 2020}, {449, 6732}}, {kA4, {7, 7, 7, 7}, {4682, 4682}}}; // the last: no extent
    // clang-format on
    for (const auto& c : cases) {
        const CPrintLayout l = LayOutPage(c.page, c.b, CPrintOptions{false, 127, true});
        EXPECT_FALSE(l.bMirror);
        EXPECT_TRUE(l.bFits);
        const DeviceBox d = Mapped(l);
        EXPECT_EQ(d.topLeft, (CPoint{118, 118}));
        EXPECT_EQ(d.bottomRight, c.bottomRight) << c.b.right << "," << c.b.bottom;
    }
}
