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
CPrintOptions Pcb(bool bMirror, int nMicrons = 127) {
    return {true, nMicrons, bMirror};
}
} // namespace

TEST(PrintLayout, TheMirrorAxisIsTheExtentsMiddleTruncated) {
    const struct {
        CRect b;
        int x;
    } cases[] = {{{100, 0, 301, 5}, 200},
                 {{100, 0, 300, 5}, 200},
                 {{-5, 0, 0, 5}, -3},
                 {{0, 0, 1, 5}, 0},
                 {{-7, 0, -2, 5}, -5}};
    for (const auto& c : cases)
        EXPECT_EQ(MirrorAxis(c.b), c.x) << c.b.left << ".." << c.b.right;
}

TEST(PrintLayout, HimetricBecomesDeviceUnitsRounded) {
    const struct {
        std::int64_t hmm;
        int dpi;
        std::int64_t device;
    } cases[] = {{2540, 600, 600}, {500, 600, 118},    {500, 1200, 236},
                 {2552, 600, 603}, {-1270, 600, -300}, {0, 300, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(HimetricToDevice(c.hmm, c.dpi), c.device) << c.hmm;
}

// 127 micrometres a unit: x = 100 lies 12.7 mm from the printable corner and
// 201 units measure 25.52 mm.
TEST(PrintLayout, PcbModeIsRealScaleAtTheDrawingsPlace) {
    for (bool bMirror : {true, false}) {
        const CPrintLayout l = LayOutPage(kA4, {100, 50, 301, 150}, Pcb(bMirror));
        EXPECT_EQ(l.bMirror, bMirror);
        EXPECT_EQ(l.nMirrorX, 200);
        EXPECT_TRUE(l.bFits);
        const DeviceBox d = Mapped(l);
        EXPECT_EQ(d.topLeft.x, 300);     // 12.7 mm at 600 dpi
        EXPECT_EQ(d.topLeft.y, 150);     // 6.35 mm
        EXPECT_EQ(d.bottomRight.x, 903); // + 25.52 mm
        EXPECT_EQ(d.bottomRight.y, 450);
    }
    const DeviceBox fine =
        Mapped(LayOutPage({9600, 13700, 1200, 1200}, {100, 50, 301, 150}, Pcb(true)));
    EXPECT_EQ(fine.topLeft.x, 600);
    EXPECT_EQ(fine.bottomRight.x, 1806);
}

TEST(PrintLayout, PcbModeTellsWhetherTheDrawingLiesOnThePage) {
    const struct {
        CRect b;
        int nMicrons;
        bool bFits;
    } cases[] = {
        {{100, 100, 1500, 2200}, 127, true},  // 190.5 x 279.4 mm
        {{100, 100, 1700, 300}, 127, false},  // right edge at 215.9 mm
        {{0, 0, 2500, 2500}, 127, false},     // the whole sheet: 317.5 mm
        {{0, 0, 2500, 2500}, 50, true},       // 125 mm
        {{-3, 10, 200, 200}, 127, false},     // left of the printable corner
        {{100, 2100, 200, 2300}, 127, false}, // below the page
    };
    for (const auto& c : cases) {
        const CPrintLayout l = LayOutPage(kA4, c.b, Pcb(true, c.nMicrons));
        EXPECT_EQ(l.bFits, c.bFits)
            << c.b.left << "," << c.b.top << " " << c.b.right << "," << c.b.bottom;
        EXPECT_EQ(Mapped(l).topLeft.x,
                  HimetricToDevice(std::int64_t(c.b.left) * c.nMicrons / 10, 600));
    }
}

// Fitted: the tighter axis fills the page inside 5 mm (118 device units at
// 600 dpi), the other keeps the proportions; the top-left corner stays at the margins.
TEST(PrintLayout, FitToPageFillsThePageInsideTheMargins) {
    const struct {
        CPrintPage page;
        CRect b;
        DeviceBox expected;
    } cases[] = {
        {{6000, 4000, 600, 600}, {100, 100, 300, 200}, {{118, 118}, {5882, 3000}}},
        {{4800, 6850, 600, 600}, {0, 0, 2500, 2500}, {{118, 118}, {4682, 4682}}},
        {{4800, 6850, 600, 600}, {10, 20, 110, 2020}, {{118, 118}, {449, 6732}}},
        {{4800, 6850, 600, 600}, {7, 7, 7, 7}, {{118, 118}, {4682, 4682}}}, // no width, no height
    };
    for (const auto& c : cases) {
        const CPrintLayout l = LayOutPage(c.page, c.b, CPrintOptions{});
        EXPECT_FALSE(l.bMirror);
        EXPECT_TRUE(l.bFits);
        const DeviceBox d = Mapped(l);
        EXPECT_EQ(d.topLeft.x, c.expected.topLeft.x);
        EXPECT_EQ(d.topLeft.y, c.expected.topLeft.y);
        EXPECT_EQ(d.bottomRight.x, c.expected.bottomRight.x) << c.b.right;
        EXPECT_EQ(d.bottomRight.y, c.expected.bottomRight.y) << c.b.bottom;
    }
}

TEST(PrintLayout, FitToPageIgnoresTheMirrorSetting) {
    CPrintOptions o;
    o.bPrintMirror = true;
    EXPECT_FALSE(LayOutPage(kA4, {100, 0, 301, 10}, o).bMirror);
}
