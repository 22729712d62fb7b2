// The spatial index finds exactly what walking the whole list finds: for
// thousands of clicks at several zooms, on a random drawing of every kind
// (texts in real fonts, symbols of the standard library, shapes off the sheet,
// one layer hidden), the hits agree in order; and a small window drawn through
// the index is painted as the whole-list walk paints it.
#include "doc/document.h"
#include "doc/layer_walk.h"
#include "doc/picking.h"
#include "qtlayer/qt_surface.h"
#include "random_drawing.h"
#include "view/view_coords.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
void SetZoom(CSurface& dc, int nZoom, int ox, int oy) {
    CViewCoords view;
    view.SetScale(nZoom / 100.0, false);
    view.ScrollTo(ox, oy);
    view.PrepareMapping(dc);
}

class PickIndex : public ::testing::Test {
  protected:
    void SetUp() override {
        std::mt19937 rng(4242);
        std::string text = "[TAVOLIN]\r\n";
        for (int i = 0; i < 1500; ++i)
            text += RandomLine(rng) + "\r\n";
        ASSERT_TRUE(doc.Load(text));
        layers.m_bLayerShow[3] = 0;
        index.Rebuild(doc.Primitives());
    }
    CSchemoDoc doc{DOC_DRAWING, nullptr};
    CLayerTable layers;
    CSpatialIndex index;
    QImage image{800, 600, QImage::Format_RGB32};
};
} // namespace

TEST_F(PickIndex, FindsTheSameHitsAsTheWholeListAtEveryZoom) {
    std::mt19937 rng(7);
    int nHits = 0;
    for (int nZoom : {10, 37, 100, 400, 2000}) {
        CQtSurface dc(image);
        SetZoom(dc, nZoom, 0, 0);
        doc.UpdateRegions(dc); // the walk needs every region; the index builds its own
        for (int i = 0; i < 600; ++i) {
            // Half the clicks land on a point of some primitive, the rest anywhere.
            CPoint at{int(rng() % 2700) - 100, int(rng() % 2700) - 100};
            if (i % 2) at = doc.Primitives()[rng() % doc.Primitives().size()]->GetPoint(0);
            SetZoom(dc, nZoom, at.x - 300 * 100 / nZoom, at.y - 200 * 100 / nZoom);
            const CPoint device =
                dc.LPtoDP(CPoint{at.x + int(rng() % 7) - 3, at.y + int(rng() % 7) - 3});
            std::vector<CPrimitive*> walked, found;
            for (const auto& p : doc.Primitives())
                if (layers.IsShown(p->GetLayer(), false) &&
                    p->HitTest(device.x, device.y, dc) != HIT_MISS)
                    walked.push_back(p.get());
            std::vector<CHit> hits;
            FindHits(index, dc, layers, device, hits);
            for (const CHit& h : hits)
                found.push_back(h.p);
            ASSERT_EQ(found, walked) << "zoom " << nZoom << " at " << at.x << "," << at.y;
            nHits += !walked.empty();
        }
    }
    EXPECT_GT(nHits, 1000); // the comparison is not only between empty lists
}

TEST_F(PickIndex, DrawingAWindowThroughTheIndexPaintsWhatTheWholeWalkPaints) {
    const CLayerWalk walk(layers);
    for (int nZoom : {25, 400})
        for (const CPoint org : {CPoint{0, 0}, CPoint{1200, 900}, CPoint{2300, 2300}}) {
            QImage a(200, 200, QImage::Format_RGB32), b = a;
            for (QImage* img : {&a, &b}) {
                img->fill(Qt::white);
                CQtSurface dc(*img);
                SetZoom(dc, nZoom, org.x, org.y);
                const CPoint far = dc.DPtoLP(CPoint{199, 199});
                if (img == &a)
                    DrawLayers(dc, doc.Primitives(), walk);
                else
                    DrawLayers(dc, index, CRect{org.x, org.y, far.x, far.y}, walk);
            }
            EXPECT_TRUE(a == b) << "zoom " << nZoom << " at " << org.x << "," << org.y;
        }
}
