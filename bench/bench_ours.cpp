// The program's own paths, each timed alone on an already prepared document.
#include "benches.h"
#include "fixtures.h"

#include "doc/document/settings.h"
#include "doc/export/export_bitmap.h"
#include "doc/scene/layer_walk.h"
#include "format/macro_cache.h"
#include "qtlayer/qt_raster.h"
#include "qtlayer/qt_surface.h"

#include <memory>

void BenchRead(benchmark::State& state, std::size_t n) {
    DropDocument();
    const std::string& path = DrawingPath(n);
    COpMemory m;
    double bytesPerElement = 0;
    for (auto _ : state) {
        auto doc =
            std::make_unique<CSchemoDoc>(DOC_DRAWING, nullptr, BenchProgram().library.context);
        BenchProgram().library.cache.Clear();
        const std::size_t before = AllocNow();
        bool ok = false;
        state.SetIterationTime(TimeOp(m, [&] { ok = doc->LoadFile(path); }));
        if (!ok || doc->Primitives().size() != n) {
            state.SkipWithError("the drawing did not read whole");
            break;
        }
        bytesPerElement = double(AllocNow() - before) / double(n);
        doc.reset();
    }
    ReportMemory(state, m);
    state.counters["bytes_per_element"] = bytesPerElement;
}

void BenchStore(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    std::size_t size = 0;
    for (auto _ : state) {
        std::string text;
        state.SetIterationTime(TimeOp(m, [&] { doc.Store("disegno.tvd", true, text); }));
        size = text.size();
    }
    ReportMemory(state, m);
    state.counters["text_MB"] = double(size) / 1e6;
}

// What an autosave costs the user interface: the text and its hash; the
// writing happens on the writer's thread.
void BenchAutosave(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    std::size_t hash = 0;
    for (auto _ : state) {
        state.SetIterationTime(TimeOp(m, [&] {
            const std::string text = doc.SaveBytes(false);
            hash ^= std::hash<std::string>()(text);
        }));
    }
    benchmark::DoNotOptimize(hash);
    ReportMemory(state, m);
}

void BenchRegions(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    for (auto _ : state) {
        state.SetIterationTime(TimeOp(m, [&] {
            CQtSurface dc(ViewImage());
            SetViewMapping(dc);
            doc.UpdateRegions(dc);
        }));
    }
    ReportMemory(state, m);
}

void BenchRender(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    for (auto _ : state) {
        ClearViewImage();
        state.SetIterationTime(TimeOp(m, [&] {
            CQtSurface dc(ViewImage());
            SetViewMapping(dc);
            DrawLayers(dc, doc.Primitives(), CLayerWalk(BenchProgram().layers));
        }));
    }
    ReportMemory(state, m);
}

namespace {
// As the view picks: from the last primitive to the first, the first that answers.
// Kept out of line so that profiles can single it out.
__attribute__((noinline)) CPrimitive* Pick(const CPrimitiveList& list, int x, int y, CSurface& dc,
                                           std::size_t& walked) {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        ++walked;
        if ((*it)->HitTest(x, y, dc) >= HIT_INSIDE) return it->get();
    }
    return nullptr;
}
} // namespace

void BenchHitTest(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    CQtSurface dc(ViewImage());
    SetViewMapping(dc);
    doc.UpdateRegions(dc);
    const CPoint at = dc.LPtoDP(CPoint{kMissX, kMissY});
    COpMemory m;
    CPrimitive* hit = nullptr;
    std::size_t walked = 0;
    for (auto _ : state) {
        walked = 0;
        state.SetIterationTime(
            TimeOp(m, [&] { hit = Pick(doc.Primitives(), at.x, at.y, dc, walked); }));
        benchmark::DoNotOptimize(hit);
    }
    if (hit || walked != n)
        state.SkipWithError("the point hits something: not the whole list walked");
    ReportMemory(state, m);
    state.counters["device_x"] = at.x;
    state.counters["device_y"] = at.y;
}

void BenchUndoSnapshot(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    for (auto _ : state)
        state.SetIterationTime(TimeOp(m, [&] { doc.PushUndoSnapshot(); }));
    ReportMemory(state, m);
}

void BenchExport(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    const std::string path = ScratchPath("esportazione.bmp");
    COpMemory m;
    for (auto _ : state) {
        ExportResult r = EXPORT_OK;
        state.SetIterationTime(
            TimeOp(m, [&] { r = ExportBitmap(doc, CExportOptions(), path, MakeQtRasterBand); }));
        if (r != EXPORT_OK) {
            state.SkipWithError("the export failed");
            break;
        }
    }
    ReportMemory(state, m);
}
