// What the editor's view does through the spatial index: a pick, a repaint of
// a small rectangle, and a zoom step followed by a repaint of the window.
#include "benches.h"
#include "fixtures.h"

#include "doc/scene/layer_walk.h"
#include "doc/document/settings.h"
#include "doc/scene/picking.h"
#include "qtlayer/qt_surface.h"
#include "view/viewport/view_coords.h"

#include <memory>
#include <random>

namespace {
// The index of the loaded document, built once per size outside the timings.
CSpatialIndex& IndexOf(std::size_t n) {
    static std::size_t s_n = 0;
    static std::unique_ptr<CSpatialIndex> s_index;
    if (!s_index || s_n != n) {
        s_index = std::make_unique<CSpatialIndex>(LoadedDocument(n).Primitives());
        s_n = n;
    }
    return *s_index;
}

void DropRegionKeys(const CPrimitiveList& list) {
    for (const auto& p : list) p->m_nRegionKey = 0;
}

// The view at a zoom in percent, the window's top left at org, as the
// editor's view maps it.
void SetZoom(CMapping& dc, double dZoom, CPoint org) {
    CViewCoords view;
    view.SetScale(dZoom / 100, false);
    view.ScrollTo(org.x, org.y);
    view.PrepareMapping(dc);
}

constexpr int kClicks = 100;
} // namespace

// 100 clicks spread over the sheet at the fitted zoom, every region dropped
// first, so each click also builds the regions of what lies near it.
void BenchPick(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    CSpatialIndex& index = IndexOf(n);
    CLayerTable layers;
    CQtSurface dc(ViewImage());
    SetViewMapping(dc);
    std::mt19937 rng(5);
    std::vector<CPoint> clicks;
    for (int i = 0; i < kClicks; ++i) clicks.push_back({int(rng() % kViewHeight), int(rng() % kViewHeight)});
    COpMemory m;
    std::size_t hits = 0;
    for (auto _ : state) {
        DropRegionKeys(doc.Primitives());
        hits = 0;
        const double s = TimeOp(m, [&] {
            for (const CPoint& c : clicks) hits += PickFirst(index, dc, layers, c) != nullptr;
        });
        state.SetIterationTime(s / kClicks);
    }
    m.cpuSeconds /= kClicks;
    ReportMemory(state, m);
    state.counters["clicks_that_hit"] = double(hits);
}

// A 200 x 200-pixel rectangle at 400 % (50 x 50 units) where the drawing is dense.
void BenchSmallWalk(benchmark::State& state, std::size_t n) {
    CSpatialIndex& index = IndexOf(n);
    QImage image(200, 200, QImage::Format_RGB32);
    COpMemory m;
    for (auto _ : state) {
        image.fill(Qt::white);
        state.SetIterationTime(TimeOp(m, [&] {
            CQtSurface dc(image);
            SetZoom(dc, 400, {600, 600});
            DrawLayers(dc, index, CRect{600, 600, 650, 650}, CLayerWalk(BenchProgram().layers));
        }));
    }
    ReportMemory(state, m);
}

// From the sheet fitted into the window, one zoom step in (x 1.3) about the
// centre, then the whole 1920 x 1080 window painted. Regions are not rebuilt
// for the new zoom: they are built when something is picked.
void BenchZoomStep(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    CSpatialIndex& index = IndexOf(n);
    const double dFit = 100.0 * kViewHeight / 2500;
    const double dZoom = dFit * 1.3;
    const int w = int(kViewWidth * 100 / dZoom), h = int(kViewHeight * 100 / dZoom);
    const CPoint org{1250 - w / 2, 1250 - h / 2};
    COpMemory m;
    for (auto _ : state) {
        ClearViewImage();
        state.SetIterationTime(TimeOp(m, [&] {
            CQtSurface dc(ViewImage());
            SetZoom(dc, dZoom, org);
            DrawLayers(dc, index, CRect{org.x, org.y, org.x + w, org.y + h},
                       CLayerWalk(BenchProgram().layers));
        }));
    }
    ReportMemory(state, m);
    state.counters["regions_built"] = double(std::count_if(
        doc.Primitives().begin(), doc.Primitives().end(), [](const auto& p) { return p->m_nRegionKey != 0; }));
}
