// The spatial index finds exactly what walking the whole list finds: for
// thousands of clicks at several zooms, on a random drawing of every kind
// (texts in real fonts, symbols of the standard library, shapes off the sheet,
// one layer hidden), the hits agree in order; and a small window drawn through
// the index is painted as the whole-list walk paints it.
// The window repaints parts of its picture: a rectangle after a change, the
// strips a scroll uncovers after sliding the rest. Either way the result must
// be the picture drawn whole, pixel for pixel, or the screen keeps traces.
#include "doc/document.h"
#include "doc/layer_walk.h"
#include "doc/picking.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_view_render.h"
#include "random_drawing.h"
#include "view/view_coords.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
std::string RandomDrawing(unsigned seed, int nLines) {
    std::mt19937 rng(seed);
    std::string text = "[TAVOLIN]\r\n";
    for (int i = 0; i < nLines; ++i)
        text += RandomLine(rng) + "\r\n";
    return text;
}

void SetZoom(CSurface& dc, int nZoom, int ox, int oy) {
    CViewCoords view;
    view.SetScale(nZoom / 100.0, false);
    view.ScrollTo(ox, oy);
    view.PrepareMapping(dc);
}

class PickIndex : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(doc.Load(RandomDrawing(4242, 1500)));
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

namespace {
class ViewRender : public ::testing::TestWithParam<std::tuple<int, double>> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(doc.Load(RandomDrawing(77, 600)));
        index.Rebuild(doc.Primitives());
        view.SetClientSize(173, 131);
        view.SetScale(std::get<0>(GetParam()) / 100.0, false);
        view.ScrollTo(300, 280);
        view.m_grid.nGridX = 3; // a grid step unlike the snap
    }
    double Dpr() const { return std::get<1>(GetParam()); }
    QImage Whole() {
        QImage img(QSize(173, 131) * Dpr(), QImage::Format_RGB32);
        PaintViewScene(img, img.rect(), view, Dpr(), index);
        return img;
    }
    CSchemoDoc doc{DOC_DRAWING, nullptr};
    CSpatialIndex index;
    CViewCoords view;
};

TEST_P(ViewRender, PiecesAndTheStripsAScrollUncoversMakeTheWholePicture) {
    const QImage whole = Whole();
    QImage pieces(whole.size(), QImage::Format_RGB32);
    pieces.fill(Qt::magenta);
    const int w = whole.width(), h = whole.height();
    for (const QRect& r : {QRect(0, 0, w / 3, h), QRect(w / 3, 0, w - w / 3, h / 2 + 1),
                           QRect(w / 3, h / 2 + 1, w - w / 3, h - h / 2 - 1)})
        PaintViewScene(pieces, r, view, Dpr(), index);
    EXPECT_EQ(pieces, whole);

    for (const CPoint to :
         {CPoint{317, 280}, CPoint{290, 301}, CPoint{-20, -9}, CPoint{305, 262}}) {
        QImage img = Whole();
        CMapping before, after;
        view.PrepareMapping(before, Dpr());
        view.ScrollTo(to.x, to.y);
        view.PrepareMapping(after, Dpr());
        const int dx = after.GetViewportOrg().x - before.GetViewportOrg().x;
        const int dy = after.GetViewportOrg().y - before.GetViewportOrg().y;
        ShiftImage(img, dx, dy);
        if (dx > 0) PaintViewScene(img, QRect(0, 0, dx, h), view, Dpr(), index);
        if (dx < 0) PaintViewScene(img, QRect(w + dx, 0, -dx, h), view, Dpr(), index);
        if (dy > 0) PaintViewScene(img, QRect(0, 0, w, dy), view, Dpr(), index);
        if (dy < 0) PaintViewScene(img, QRect(0, h + dy, w, -dy), view, Dpr(), index);
        EXPECT_TRUE(img == Whole())
            << "scrolled to " << to.x << "," << to.y << " by " << dx << "," << dy;
        view.ScrollTo(300, 280);
    }
}

INSTANTIATE_TEST_SUITE_P(Zooms, ViewRender,
                         ::testing::Combine(::testing::Values(37, 100, 400),
                                            ::testing::Values(1.0, 2.0)));

// Light grey beyond the sheet's edges, white on it, at either pixel ratio.
TEST(ViewSheetEdge, TheSceneIsGreyOutsideTheSheet) {
    const CSpatialIndex index;
    CViewCoords view;
    view.SetClientSize(100, 100);
    view.ScrollTo(-10, -20);
    for (double dpr : {1.0, 2.0}) {
        QImage img(QSize(100, 100) * dpr, QImage::Format_RGB32);
        PaintViewScene(img, img.rect(), view, dpr, index);
        const int e = int(10 * dpr); // the left edge; the top one lies at 2e
        EXPECT_EQ((std::vector<QRgb>{img.pixel(e - 1, 3 * e), img.pixel(e, 2 * e - 1),
                                     img.pixel(e + 1, 2 * e + 2)}),
                  (std::vector<QRgb>{qRgb(0xD8, 0xD8, 0xD8), qRgb(0xD8, 0xD8, 0xD8),
                                     qRgb(255, 255, 255)}))
            << dpr;
    }
}

TEST(ViewMarks, SelectedPointsGetMarksOfTenPixelsAndTheOriginItsCircle) {
    CSchemoDoc doc(DOC_DRAWING, nullptr);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nLI 10 10 40 10 0\r\nLI 10 30 40 30 0\r\n"));
    doc.Select(doc.Primitives()[0].get(), true);
    CViewCoords view;
    view.SetClientSize(200, 200);
    view.m_grid.bHideMacroOrigin = false;
    for (double dpr : {1.0, 2.0}) {
        QImage img(QSize(200, 200) * dpr, QImage::Format_RGB32);
        img.fill(Qt::white);
        PaintViewMarks(img, img.rect(), view, dpr, doc.Selection());
        const QRgb mark = qRgb(0x80, 0x80, 0xFF);
        const int n = int(5 * dpr);
        EXPECT_EQ(img.pixel(10 * dpr - n, 10 * dpr - n), mark) << dpr;
        EXPECT_EQ(img.pixel(10 * dpr + n - 1, 10 * dpr + n - 1), mark) << dpr;
        EXPECT_NE(img.pixel(10 * dpr + n, 10 * dpr), mark) << dpr;
        EXPECT_NE(img.pixel(10 * dpr, 30 * dpr), mark) << "an unselected line has no marks";
        EXPECT_EQ(img.pixel(100 * dpr, 100 * dpr), qRgb(255, 0, 0)) << "the macro origin";
    }
}
} // namespace
