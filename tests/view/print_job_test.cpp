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
    static std::string Device(const CMapping& map, int x, int y) {
        const CPoint d = map.LPtoDP(CPoint{x, y});
        return std::to_string(d.x) + "," + std::to_string(d.y);
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
    CRecordingSurface probe, dc;
    const CPrintLayout l = PreparePrint(doc, probe, kA4, CPrintOptions{true, 127, false}, m_layers);
    EXPECT_GT(l.bounds.right, 400);
    EXPECT_LT(l.bounds.right, 410);
    EXPECT_GT(l.bounds.bottom, 500);
    EXPECT_TRUE(l.bFits); // the long line on layer 2 would not fit
    ASSERT_TRUE(DrawPrintPage(doc, dc, l, m_layers));
    const std::vector<std::string> lines = Lines(dc);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, lines[0].find(" rop")),
              "line " + Device(dc, 100, 100) + " " + Device(dc, 200, 100));
    EXPECT_EQ(lines[1].substr(0, lines[1].find(" rop")),
              "line " + Device(dc, 100, 500) + " " + Device(dc, 400, 500));
}

// Hit regions built for a screen at 10 % are many units wide; the page must not
// take its extent from them.
TEST_F(PrintJob, ThePageDoesNotDependOnTheScreensZoom) {
    const char* text = "[TAVOLIN]\r\nLI 100 100 301 100\r\nRP 150 150 250 400\r\n";
    for (bool bPCB : {true, false}) {
        CSchemoDoc fresh(DOC_DRAWING, &m_ui), zoomed(DOC_DRAWING, &m_ui);
        ASSERT_TRUE(fresh.Load(text));
        ASSERT_TRUE(zoomed.Load(text));
        CRecordingSurface screen, probe1, probe2;
        screen.SetMapMode(MM_ISOTROPIC);
        screen.SetWindowExt(2500, 2500);
        screen.SetViewportExt(250, 250);
        zoomed.UpdateRegions(screen);
        const CPrintOptions o{bPCB, 127, true};
        const CPrintLayout a = PreparePrint(fresh, probe1, kA4, o, m_layers);
        const CPrintLayout b = PreparePrint(zoomed, probe2, kA4, o, m_layers);
        EXPECT_EQ(a.bounds, b.bounds) << bPCB;
        EXPECT_EQ(a.nMirrorX, b.nMirrorX) << bPCB;
        EXPECT_LT(a.bounds.left, 100);
        EXPECT_GT(a.bounds.left, 95) << "measured at the printer's 3 device units a unit";
    }
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
        const std::vector<std::string> lines = Lines(dc);
        ASSERT_EQ(lines.size(), 1u);
        const std::string ends = bMirror ? Device(dc, 300, 10) + " " + Device(dc, 99, 10)
                                         : Device(dc, 100, 10) + " " + Device(dc, 301, 10);
        EXPECT_EQ(lines[0], "line " + ends + " rop=13 pen=000000/0 brush=none");
    }
    EXPECT_EQ(line->GetPoint(0).x, 100);
    EXPECT_EQ(line->GetPoint(1).x, 301);
    EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{line});
    EXPECT_TRUE(line->IsSelected());
}
