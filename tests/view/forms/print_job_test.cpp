// A print: fitted inside 5 mm margins, or at real scale at the drawing's place and mirrored
// about the middle of its extent; measured at the printer's scale, on the printed layers, in
// black, from clones.
#include "view/forms/print_job.h"
#include "view/forms/print_layout.h"

#include "support/core_test.h"

namespace {
// A4 less some printable margin, at 600 dots per inch: about 203 x 290 mm.
constexpr CPrintPage kA4{4800, 6850, 600, 600};

// The bounds' corners on the device.
std::pair<CPoint, CPoint> Mapped(const CPrintLayout& l) {
    CMapping map;
    ApplyPrintMapping(map, l);
    return {map.LPtoDP(CPoint{l.bounds.left, l.bounds.top}),
            map.LPtoDP(CPoint{l.bounds.right, l.bounds.bottom})};
}

// The lines drawn, black in any case.
std::vector<std::string> Lines(const CRecordingSurface& dc) {
    std::vector<std::string> lines;
    for (const std::string& c : dc.m_calls)
        if (c.rfind("line ", 0) == 0)
            lines.push_back(c.substr(0, c.find(" rop=13 pen=000000/0 brush=none")));
    return lines;
}
} // namespace

// 127 micrometres a unit: x = 100 lies 12.7 mm from the printable corner and 201 units measure
// 25.52 mm; the layout tells whether the drawing lies on the page.
TEST(PrintLayout, PcbModeIsRealScaleAtTheDrawingsPlace) {
    // clang-format off
    const struct { CPrintPage page; CRect b; int nMicrons; bool bMirror, bFits; int nAxis; CPoint tl, br; } cases[] = {
        {kA4, {100, 50, 301, 150}, 127, true, true, 200, {300, 150}, {903, 450}},
        {kA4, {100, 50, 300, 150}, 127, false, true, 200, {300, 150}, {900, 450}},
        {{9600, 13700, 1200, 1200}, {100, 50, 301, 150}, 127, true, true, 200, {600, 300}, {1806, 900}},
        {kA4, {100, 100, 1500, 2200}, 127, true, true, 800, {300, 300}, {4500, 6600}}, // 190.5 x 279.4 mm
        {kA4, {100, 100, 1700, 300}, 127, true, false, 900, {300, 300}, {5100, 900}},  // 215.9 mm wide
        {kA4, {0, 0, 2500, 2500}, 50, true, true, 1250, {0, 0}, {2953, 2953}},
        {kA4, {-3, 10, 200, 200}, 127, true, false, 98, {-9, 30}, {600, 600}}, // left of the corner
        {kA4, {-7, 10, -2, 200}, 127, true, false, -5, {-21, 30}, {-6, 600}},
        {kA4, {100, 2100, 200, 2300}, 127, true, false, 150, {300, 6300}, {600, 6900}}}; // below
    // clang-format on
    for (const auto& c : cases) {
        const CPrintLayout l = LayOutPage(c.page, c.b, {true, c.nMicrons, c.bMirror});
        EXPECT_TRUE(l.bMirror == c.bMirror && l.nMirrorX == c.nAxis && l.bFits == c.bFits)
            << c.b.right;
        EXPECT_EQ(Mapped(l), std::make_pair(c.tl, c.br)) << c.b.right << "," << c.b.bottom;
    }
}

// Fitted: the tighter axis fills the page inside 5 mm (118 device units at 600 dpi), the
// other keeps the proportions; never mirrored.
TEST(PrintLayout, FitToPageFillsThePageInsideTheMargins) {
    // clang-format off
    const struct { CPrintPage page; CRect b; CPoint bottomRight; } cases[] = {
        {{6000, 4000, 600, 600}, {100, 100, 300, 200}, {5882, 3000}}, {kA4, {0, 0, 2500, 2500}, {4682, 4682}},
        {kA4, {10, 20, 110, 2020}, {449, 6732}}, {kA4, {7, 7, 7, 7}, {4682, 4682}}}; // the last: no extent
    // clang-format on
    for (const auto& c : cases) {
        const CPrintLayout l = LayOutPage(c.page, c.b, CPrintOptions{false, 127, true});
        EXPECT_TRUE(!l.bMirror && l.bFits);
        EXPECT_EQ(Mapped(l), std::make_pair(CPoint{118, 118}, c.bottomRight))
            << c.b.right << "," << c.b.bottom;
    }
}

// Hit regions built for a screen at 10 % are many units wide; the page is measured at the
// printer's scale instead.
TEST(PrintJob, ThePageIsSizedAndDrawnFromThePrintedLayers) {
    CLibraryState library;
    CFakeUi ui;
    CLayerTable layers;
    CSchemoDoc doc(DOC_DRAWING, &ui, library.context);
    ASSERT_TRUE(doc.Load(
        "[TAVOLIN]\r\nLI 100 100 200 100\r\nLI 100 300 1900 300 2\r\nLI 100 500 400 500 3\r\n"));
    layers.m_bLayerPrint[2] = 0; // shown, not printed
    layers.m_bLayerShow[3] = 0;  // printed, not shown
    CRecordingSurface screen, probe, dc;
    screen.SetMapMode(MM_ISOTROPIC);
    screen.SetWindowExt(2500, 2500);
    screen.SetViewportExt(250, 250);
    doc.UpdateRegions(screen);
    const CPrintLayout l = PreparePrint(doc, probe, kA4, CPrintOptions{true, 127, false}, layers);
    EXPECT_TRUE(l.bounds.left < 100 && l.bounds.left > 95) << l.bounds.left;
    EXPECT_TRUE(l.bounds.right > 400 && l.bounds.right < 410 && l.bounds.bottom > 500);
    EXPECT_TRUE(l.bFits); // the long line on layer 2 would not fit
    ASSERT_TRUE(DrawPrintPage(doc, dc, l, layers));
    EXPECT_EQ(Lines(dc),
              (std::vector<std::string>{"line 300,300 600,300", "line 300,1500 1200,1500"}));
}

TEST(PrintJob, AMirroredPageIsDrawnFromClonesInBlack) {
    CLibraryState library;
    CFakeUi ui;
    CLayerTable layers;
    CSchemoDoc doc(DOC_DRAWING, &ui, library.context);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nLI 100 10 301 10\r\n"));
    CPrimitive* line = doc.Primitives()[0].get();
    doc.Select(line, true);
    CPrintLayout l = LayOutPage(kA4, {100, 5, 301, 15}, CPrintOptions{true, 127, true});
    for (bool bMirror : {true, false}) {
        l.bMirror = bMirror;
        CRecordingSurface dc;
        ASSERT_TRUE(DrawPrintPage(doc, dc, l, layers) && dc.IsPrinting());
        EXPECT_EQ(Lines(dc),
                  std::vector<std::string>{bMirror ? "line 900,30 297,30" : "line 300,30 903,30"});
    }
    EXPECT_TRUE(line->GetPoint(1).x == 301 && doc.Selection() == std::vector<CPrimitive*>{line});
}
