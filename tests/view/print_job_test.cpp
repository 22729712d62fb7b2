// A print measured at the printer's scale, on printed layers, drawn black,
// mirrored from clones.
#include "view/print_job.h"

#include "../doc/fake_ui.h"
#include "model/recording_surface.h"

#include <gtest/gtest.h>

namespace {
constexpr CPrintPage kA4{4800, 6850, 600, 600};

class PrintJob : public ::testing::Test {
  protected:
    static std::vector<std::string> Lines(const CRecordingSurface& dc) {
        std::vector<std::string> lines;
        for (const std::string& c : dc.m_calls)
            if (c.rfind("line ", 0) == 0) lines.push_back(c);
        return lines;
    }
    // A line drawn black from (x0, y0) to (x1, y1).
    static std::string Line(const CMapping& map, int x0, int y0, int x1, int y1) {
        const CPoint a = map.LPtoDP(CPoint{x0, y0}), b = map.LPtoDP(CPoint{x1, y1});
        return "line " + std::to_string(a.x) + "," + std::to_string(a.y) + " " +
               std::to_string(b.x) + "," + std::to_string(b.y) + " rop=13 pen=000000/0 brush=none";
    }
    CFakeUi m_ui;
    CLayerTable m_layers;
};
} // namespace

TEST_F(PrintJob, ThePageIsSizedAndDrawnFromThePrintedLayers) {
    CSchemoDoc doc(DOC_DRAWING, &m_ui);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nLI 100 100 200 100\r\nLI 100 300 1900 300 2\r\n"
                         "LI 100 500 400 500 3\r\n"));
    m_layers.m_bLayerPrint[2] = 0; // shown, not printed
    m_layers.m_bLayerShow[3] = 0;  // printed, not shown
    // Hit regions built for a screen at 10 % are many units wide; the page is
    // measured at the printer's scale instead.
    CRecordingSurface screen, probe, dc;
    screen.SetMapMode(MM_ISOTROPIC);
    screen.SetWindowExt(2500, 2500);
    screen.SetViewportExt(250, 250);
    doc.UpdateRegions(screen);
    const CPrintLayout l = PreparePrint(doc, probe, kA4, CPrintOptions{true, 127, false}, m_layers);
    EXPECT_TRUE(l.bounds.left < 100 && l.bounds.left > 95) << l.bounds.left;
    EXPECT_TRUE(l.bounds.right > 400 && l.bounds.right < 410 && l.bounds.bottom > 500);
    EXPECT_TRUE(l.bFits); // the long line on layer 2 would not fit
    ASSERT_TRUE(DrawPrintPage(doc, dc, l, m_layers));
    const std::vector<std::string> lines = Lines(dc);
    EXPECT_EQ(lines, (std::vector<std::string>{Line(dc, 100, 100, 200, 100),
                                               Line(dc, 100, 500, 400, 500)}));
}

TEST_F(PrintJob, AMirroredPageIsDrawnFromClonesInBlack) {
    CSchemoDoc doc(DOC_DRAWING, &m_ui);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nLI 100 10 301 10\r\n"));
    CPrimitive* line = doc.Primitives()[0].get();
    doc.Select(line, true);
    CPrintLayout l = LayOutPage(kA4, {100, 5, 301, 15}, CPrintOptions{true, 127, true});
    ASSERT_EQ(l.nMirrorX, 200);
    for (bool bMirror : {true, false}) {
        l.bMirror = bMirror;
        CRecordingSurface dc;
        ASSERT_TRUE(DrawPrintPage(doc, dc, l, m_layers));
        EXPECT_TRUE(dc.IsPrinting());
        EXPECT_EQ(Lines(dc), std::vector<std::string>{bMirror ? Line(dc, 300, 10, 99, 10)
                                                              : Line(dc, 100, 10, 301, 10)});
    }
    EXPECT_EQ(line->GetPoint(1).x, 301);
    EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{line});
}
