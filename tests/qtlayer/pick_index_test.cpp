// The spatial index finds exactly what walking the whole list finds, on a
// random drawing of every kind (texts in real fonts, symbols of the standard
// library, shapes off the sheet, one layer hidden): the same hits in order for
// thousands of clicks at several zooms.
// The tiled scene, whatever parts it draws and slides, ends as the picture
// drawn whole, pixel for pixel, or the screen keeps traces.
#include "doc/scene/layer_walk.h"
#include "doc/scene/picking.h"
#include "doc/scene/tile_workers.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_tiled_scene.h"
#include "qtlayer/qt_view_render.h"
#include "support/core_test.h"
#include "view/viewport/view_coords.h"

#include <QImage>

namespace {
std::string RandomDrawing(unsigned seed, int nLines) {
    std::mt19937 rng(seed);
    auto c = [&](int lo, int hi) {
        return std::to_string(std::uniform_int_distribution<int>(lo, hi)(rng));
    };
    auto xy = [&] { return c(-100, 2600) + " " + c(-100, 2600); };
    auto wh = [&] { return c(0, 2500) + " " + c(0, 2500); };
    const char* const keys[] = {"080", "100", "040", "230", "300", "500", "610"};
    std::string text = "[TAVOLIN]\r\n";
    for (int i = 0; i < nLines; ++i) {
        const std::string p = xy();
        const std::string kinds[] = {
            "LI " + p + " " + xy() + " " + c(0, 4),
            "SA " + p,
            "RV " + p + " " + wh() + " " + c(0, 3),
            "EP " + p + " " + wh(),
            "PV " + p + " " + wh() + " " + wh(),
            "BE " + p + " " + xy() + " " + xy() + " " + xy(),
            "TY " + p + " " + c(0, 12) + " " + c(0, 8) + " " + c(0, 359) + " " + c(0, 15) + " " +
                c(0, 4) + " * R" + c(1, 999) + " testo",
            "PL " + p + " " + wh() + " " + c(1, 30),
            "PA " + p + " " + c(2, 40) + " " + c(2, 40) + " " + c(0, 1) + " " + c(1, 5) + " 1",
            "MC " + p + " " + c(0, 3) + " " + c(0, 1) + " ~" + keys[rng() % 7],
            "LI " + p + " " + c(1000, 1100) + " " + c(1000, 1100), // a crowded spot
        };
        text += kinds[rng() % 11] + "\r\n";
    }
    return text;
}

} // namespace

TEST(PickIndex, FindsTheSameHitsAsTheWholeListAtEveryZoom) {
    CLibraryState library;
    CSchemoDoc doc{DOC_DRAWING, nullptr, library.context};
    ASSERT_TRUE(doc.Load(RandomDrawing(4242, 1500)));
    CLayerTable layers;
    layers.m_bLayerShow[3] = 0;
    const CSpatialIndex index(doc.Primitives());
    QImage image(800, 600, QImage::Format_RGB32);
    CQtSurface dc(image);
    std::mt19937 rng(7);
    int nHits = 0;
    for (int nZoom : {10, 37, 100, 400, 2000}) {
        CViewCoords view;
        view.SetScale(nZoom / 100.0, false);
        view.PrepareMapping(dc);
        doc.UpdateRegions(dc); // the walk needs every region; the index builds its own
        for (int i = 0; i < 600; ++i) {
            // Half the clicks land on a point of some primitive, the rest anywhere.
            CPoint at{int(rng() % 2700) - 100, int(rng() % 2700) - 100};
            if (i % 2) at = doc.Primitives()[rng() % doc.Primitives().size()]->GetPoint(0);
            view.ScrollTo(at.x - 300 * 100 / nZoom, at.y - 200 * 100 / nZoom);
            view.PrepareMapping(dc);
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

// Light grey beyond the sheet's edges, white on it, at either pixel ratio.
TEST(ViewSheetEdge, TheSceneIsGreyOutsideTheSheet) {
    const CLayerTable layers;
    const CSpatialIndex index;
    CViewCoords view;
    view.SetClientSize(100, 100);
    view.ScrollTo(-10, -20);
    for (double dpr : {1.0, 2.0}) {
        QImage img(QSize(100, 100) * dpr, QImage::Format_RGB32);
        PaintViewScene(img, img.rect(), view, dpr, index, layers);
        const int e = int(10 * dpr); // the left edge; the top one lies at 2e
        EXPECT_EQ((std::vector<QRgb>{img.pixel(e - 1, 3 * e), img.pixel(e, 2 * e - 1),
                                     img.pixel(e + 1, 2 * e + 2)}),
                  (std::vector<QRgb>{qRgb(0xD8, 0xD8, 0xD8), qRgb(0xD8, 0xD8, 0xD8),
                                     qRgb(255, 255, 255)}))
            << dpr;
    }
}

TEST(ViewMarks, SelectedPointsGetMarksOfTenPixelsAndTheOriginItsCircle) {
    const CLayerTable layers;
    CLibraryState library;
    CSchemoDoc doc(DOC_DRAWING, nullptr, library.context);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nLI 10 10 40 10 0\r\nLI 10 30 40 30 0\r\n"));
    doc.Select(doc.Primitives()[0].get(), true);
    CViewCoords view;
    view.SetClientSize(200, 200);
    view.m_grid.bHideMacroOrigin = false;
    for (const int k : {1, 2}) {
        QImage img(QSize(200, 200) * k, QImage::Format_RGB32);
        img.fill(Qt::white);
        PaintViewMarks(img, img.rect(), view, k, doc.Selection(), layers);
        // Marks around the selected line's point only, none on the other line.
        const QRgb mark = qRgb(0x80, 0x80, 0xFF);
        const int n = 5 * k, p = 10 * k;
        EXPECT_TRUE(img.pixel(p - n, p - n) == mark && img.pixel(p + n - 1, p + n - 1) == mark)
            << k;
        EXPECT_TRUE(img.pixel(p + n, p) != mark && img.pixel(p, 30 * k) != mark) << k;
        EXPECT_EQ(img.pixel(100 * k, 100 * k), qRgb(255, 0, 0)) << "the macro origin";
    }
}

// The workers' parts, whatever happens while they are in flight (a zoom, a
// scroll, a change under a paused part), end as the picture drawn whole; so
// do the pixels a scroll slides.
TEST(TiledScene, SettlesOnThePictureDrawnWholeAfterZoomScrollAndChanges) {
    const CLayerTable layers;
    CLibraryState library;
    CSchemoDoc doc{DOC_DRAWING, nullptr, library.context};
    ASSERT_TRUE(doc.Load(RandomDrawing(91, 3000)));
    CSpatialIndex index(doc.Primitives());
    doc.AddObserver(&index);
    CTileWorkers workers(2);
    CTiledScene scene(workers);
    CViewCoords view;
    view.SetClientSize(700, 500);
    view.SetScale(0.37, false);
    const auto origin = [&] {
        CMapping map;
        view.PrepareMapping(map, 1.0);
        return map.GetViewportOrg();
    };
    const auto settle = [&] {
        for (int i = 0; i < 50 && !scene.IsSettled(); ++i) {
            scene.Render(view, 1.0, index, layers);
            workers.WaitIdle();
            scene.TakeFinished();
        }
        QImage whole(700, 500, QImage::Format_RGB32);
        PaintViewScene(whole, whole.rect(), view, 1.0, index, layers);
        return scene.Image() == whole;
    };
    scene.Resize(QSize(700, 500));
    scene.InvalidateAll(origin());
    EXPECT_TRUE(settle()) << "first picture";

    const QImage before = scene.Image();
    view.SetScale(2 * 0.37, false); // a zoom about the corner: the old pixels, scaled, come first
    workers.Pause();
    scene.Render(view, 1.0, index, layers);
    EXPECT_FALSE(scene.IsSettled());
    for (const QPoint at : {QPoint(101, 75), QPoint(333, 201), QPoint(17, 240)})
        EXPECT_EQ(scene.Image().pixel(at * 2), before.pixel(at)) << at.x() << "," << at.y();
    workers.Resume();
    EXPECT_TRUE(settle()) << "zoomed";

    // A scroll slides the pixels drawn and draws only the strips it uncovers, either way.
    for (const CPoint to : {CPoint{140, 90}, {90, 130}, {60, 40}, {100, 100}}) {
        view.ScrollTo(to.x, to.y);
        scene.ScrollTo(origin());
        EXPECT_TRUE(settle()) << "scrolled to " << to.x << "," << to.y;
    }
    view.ScrollTo(140, 90);
    workers.Pause();
    scene.ScrollTo(origin());
    scene.Render(view, 1.0, index, layers);
    // A change while the parts are paused: they must not bring back what was removed.
    std::vector<CPrimitive*> gone;
    for (std::size_t i = 0; i < doc.Primitives().size(); i += 3)
        gone.push_back(doc.Primitives()[i].get());
    doc.Remove(gone);
    scene.CancelAll();
    scene.Invalidate(QRect(0, 0, 700, 500));
    workers.Resume();
    EXPECT_TRUE(settle()) << "scrolled and changed";
}
