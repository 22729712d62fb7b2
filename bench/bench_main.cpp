// tavolin-bench: generates the drawings, runs every figure for every size with
// Google Benchmark, and prints the tables. Own options, before the library's:
//   --sizes=10000,100000   only these sizes
//   --save-images=DIR      also writes our render and the floor's, for a look
//   --once                 one repetition of one iteration each, for profiling
#include "benches.h"
#include "fixtures.h"
#include "floor.h"
#include "memory_breakdown.h"
#include "report.h"

#include "doc/document/settings.h"
#include "doc/scene/layer_walk.h"
#include "format/program_dir.h"
#include "qtlayer/qt_surface.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
struct CBenchOp {
    COpLabel label;
    void (*run)(benchmark::State&, std::size_t);
    bool bLight; // fast enough to repeat many times per repetition
};

const std::vector<CBenchOp> kOps = {
    {{"read", "read into a document (LoadFile)"}, BenchRead, false},
    {{"floor_parse", "floor: read + sscanf per line"}, BenchFloorParse, false},
    {{"store", "write back (Store)"}, BenchStore, false},
    {{"autosave", "autosave: text + hash on the UI thread"}, BenchAutosave, false},
    {{"regions", "rebuild all regions, zoom 100 %"}, BenchRegions, false},
    {{"render", "render sheet 1920×1080 (layer walk)"}, BenchRender, false},
    {{"floor_paint", "floor: QPainter paint"}, BenchFloorPaint, false},
    {{"hit_test", "hit test, whole list walked"}, BenchHitTest, true},
    {{"pick", "pick through the index, per click (regions built on the way)"}, BenchPick, true},
    {{"small_walk", "paint 200×200 pixels at 400 % through the index"}, BenchSmallWalk, true},
    {{"zoom_step", "zoom ×1.3 from the fitted view, paint 1920×1080"}, BenchZoomStep, false},
    {{"view_zoom", "window: zoom step, tiled scene 1920×1080 with grid"}, BenchViewZoom, false},
    {{"frame_zoom", "window on workers: zoom step, first frame"}, BenchTiled<ETiledStep::Zoom, false>, false},
    {{"settled_zoom", "window on workers: zoom step, exact picture"}, BenchTiled<ETiledStep::Zoom, true>, false},
    {{"frame_scroll", "window on workers: scroll at 400 %, first frame"}, BenchTiled<ETiledStep::Scroll, false>, true},
    {{"settled_scroll", "window on workers: scroll at 400 %, exact picture"},
     BenchTiled<ETiledStep::Scroll, true>,
     true},
    {{"view_scroll", "window: scroll a tenth at 400 %, slide + strip"}, BenchViewScroll, true},
    {{"view_change", "window: repaint 200×200 at 400 %, tiled"}, BenchViewChange, true},
    {{"drag_1", "window: drag step, 1 selected, overlay composed"}, BenchDragStep1, true},
    {{"drag_1000", "window: drag step, 1,000 selected, overlay composed"}, BenchDragStep1000, true},
    {{"click_pick", "window: click that picks + repaint"}, BenchClickPick, true},
    {{"select_rotate", "select all + rotate + undo snapshot"}, BenchSelectAllRotate, false},
    {{"undo_snapshot", "undo snapshot"}, BenchUndoSnapshot, true},
    {{"export_bmp", "BMP export (600 DPI, 127 µm)"}, BenchExport, false},
    {{"nets", "nets of the drawing (copper and wires)"}, BenchNets, false},
    {{"drc", "design-rule check, N/10 tracks + N/20 pads"}, BenchDesignRules, false},
    {{"undo_step", "edit of one element + undo step"}, BenchUndoStep, true},
    {{"undo_100", "100 × (edit of one element + undo step)"}, BenchUndo100, false},
    {{"undo", "undo after one edit"}, BenchUndo, false},
    {{"redo", "redo of one edit"}, BenchRedo, false},
    {{"frame_click", "window on workers: click that selects, first frame (all in view)"},
     BenchTiled<ETiledStep::Click, false>,
     false},
    {{"settled_click", "window on workers: click that selects, exact picture"},
     BenchTiled<ETiledStep::Click, true>,
     false},
    {{"frame_undo", "window on workers: undo, first frame (all in view)"}, BenchTiled<ETiledStep::Undo, false>, false},
    {{"settled_undo", "window on workers: undo, exact picture"}, BenchTiled<ETiledStep::Undo, true>, false},
    {{"frame_redo", "window on workers: redo, first frame"}, BenchTiled<ETiledStep::Redo, false>, false},
    {{"settled_redo", "window on workers: redo, exact picture"}, BenchTiled<ETiledStep::Redo, true>, false},
};

bool g_bOnce = false;

int Iterations(const CBenchOp& op, std::size_t n) {
    if (g_bOnce) return 1;
    if (n <= 10000) return op.bLight ? 50 : 5;
    if (n <= 100000) return op.bLight ? 10 : 1;
    return op.bLight ? 2 : 1;
}

int Repetitions(std::size_t n) {
    if (g_bOnce) return 1;
    return n <= 100000 ? 5 : 3;
}

// Takes out the options of its own and answers them.
std::vector<std::size_t> TakeOptions(int& argc, char** argv, std::string& imageDir) {
    std::vector<std::size_t> sizes = {10000, 100000, 1000000};
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--sizes=", 8) == 0) {
            sizes.clear();
            for (const char* p = argv[i] + 8; *p;) {
                char* end = nullptr;
                const std::size_t n = std::strtoull(p, &end, 10);
                if (end == p || n == 0) break;
                sizes.push_back(n);
                p = *end == ',' ? end + 1 : end;
            }
        } else if (std::strcmp(argv[i], "--once") == 0) {
            g_bOnce = true;
        } else if (std::strncmp(argv[i], "--save-images=", 14) == 0) {
            imageDir = argv[i] + 14;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return sizes;
}

void SaveImages(const std::string& dir, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    ClearViewImage();
    {
        CQtSurface dc(ViewImage());
        SetViewMapping(dc);
        DrawLayers(dc, doc.Primitives(), CLayerWalk(BenchProgram().layers));
    }
    ViewImage().save(QString::fromStdString(dir + "/ours_" + std::to_string(n) + ".png"));
    ClearViewImage();
    FloorPaint(ViewImage(), FloorExpand(doc.Primitives()));
    ViewImage().save(QString::fromStdString(dir + "/floor_" + std::to_string(n) + ".png"));
}

void Register(const std::vector<std::size_t>& sizes) {
    for (const std::size_t n : sizes) {
        for (const CBenchOp& op : kOps) {
            const std::string name = std::string(op.label.key) + "/" + std::to_string(n);
            auto* run = op.run;
            benchmark::RegisterBenchmark(name.c_str(), [run, n](benchmark::State& s) { run(s, n); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(Iterations(op, n))
                ->Repetitions(Repetitions(n))
                ->DisplayAggregatesOnly(true);
        }
    }
}

void PrintDrawings(const std::vector<std::size_t>& sizes) {
    for (const std::size_t n : sizes) {
        const CBenchMix& m = DrawingMix(n);
        std::printf("N = %zu: %zu LI, %zu SA, %zu MC, %zu TY, %zu other shapes, %zu PL/PA\n", n,
                    m.lines, m.dots, m.macros, m.texts, m.shapes, m.pcb);
    }
    CMapping view;
    SetViewMapping(view);
    const CPoint at = view.LPtoDP(CPoint{kMissX, kMissY});
    std::printf("Hit-test point: logical (%d, %d), device (%d, %d); the generator keeps it clear\n",
                kMissX, kMissY, at.x, at.y);
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string imageDir;
    const std::vector<std::size_t> sizes = TakeOptions(argc, argv, imageDir);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    BenchProgram().library.folders = {ExecutableDir()};
    if (sizes.empty() || !PrepareDrawings(sizes)) {
        std::fputs("Cannot generate the drawings.\n", stderr);
        RemoveDrawings();
        return 1;
    }
    PrintDrawings(sizes);
    std::printf("Load average at the start: %s\n", LoadAverage().c_str());
    if (!imageDir.empty()) SaveImages(imageDir, sizes.front());
    Register(sizes);
    CTableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    DropDocument();
    std::vector<COpLabel> labels;
    for (const CBenchOp& op : kOps)
        labels.push_back(op.label);
    PrintTables(stdout, reporter.Figures(), sizes, labels);
    PrintMemoryBreakdown(stdout, DrawingPath(sizes.size() > 1 ? sizes[1] : sizes.front()));
    RemoveDrawings();
    benchmark::Shutdown();
    return 0;
}
