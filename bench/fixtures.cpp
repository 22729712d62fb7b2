#include "fixtures.h"

#include "doc/scene/spatial_index.h"

#include "alloc_count.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

CBenchProgram& BenchProgram() {
    static CBenchProgram program;
    return program;
}

namespace {
std::string g_dir;
std::map<std::size_t, std::string> g_paths;
std::map<std::size_t, CBenchMix> g_mixes;
std::size_t g_loadedSize = 0;
std::unique_ptr<CSchemoDoc> g_doc;
} // namespace

bool PrepareDrawings(const std::vector<std::size_t>& sizes) {
    const char* tmp = std::getenv("TMPDIR");
    std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavolin-bench-XXXXXX";
    if (!mkdtemp(templ.data())) return false;
    g_dir = templ;
    for (const std::size_t n : sizes) {
        const std::string path = g_dir + "/disegno_" + std::to_string(n) + ".tvd";
        if (!WriteDrawing(path, n, kSeed + n, &g_mixes[n])) return false;
        g_paths[n] = path;
    }
    return true;
}

void RemoveDrawings() {
    if (g_dir.empty()) return;
    for (const auto& [n, path] : g_paths)
        std::remove(path.c_str());
    std::remove(ScratchPath("esportazione.bmp").c_str());
    rmdir(g_dir.c_str());
    g_dir.clear();
}

const std::string& DrawingPath(std::size_t n) {
    return g_paths.at(n);
}
const CBenchMix& DrawingMix(std::size_t n) {
    return g_mixes.at(n);
}
std::string ScratchPath(const std::string& name) {
    return g_dir + "/" + name;
}

CSchemoDoc& LoadedDocument(std::size_t n) {
    if (!g_doc || g_loadedSize != n) {
        g_doc.reset();
        g_doc = std::make_unique<CSchemoDoc>(DOC_DRAWING, nullptr, BenchProgram().library.context);
        if (!g_doc->LoadFile(DrawingPath(n))) std::fprintf(stderr, "lettura fallita: %zu\n", n);
        g_loadedSize = n;
    }
    return *g_doc;
}

void DropDocument() {
    g_doc.reset();
    g_loadedSize = 0;
}

void SetViewMapping(CMapping& dc) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(2500, 2500);
    dc.SetViewportExt(kViewWidth, kViewHeight);
}

QImage& ViewImage() {
    static QImage s_image(kViewWidth, kViewHeight, QImage::Format_RGB32);
    return s_image;
}

void ClearViewImage() {
    ViewImage().fill(Qt::white);
}

std::size_t AllocNow() {
    return AllocCurrent();
}

std::size_t AllocMarkPeak() {
    AllocResetPeak();
    return AllocCurrent();
}

std::size_t AllocPeakSince(std::size_t base) {
    const std::size_t peak = AllocPeak();
    return peak > base ? peak - base : 0;
}

std::size_t RssNow() {
    return MaxRssBytes();
}

double ProcessCpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

void ReportMemory(benchmark::State& state, const COpMemory& m) {
    state.counters["peak_heap_MB"] = double(m.peakHeap) / 1e6;
    state.counters["max_rss_MB"] = double(m.maxRss) / 1e6;
    state.counters["cpu_ms"] =
        benchmark::Counter(1e3 * m.cpuSeconds, benchmark::Counter::kAvgIterations);
}

CSpatialIndex& EditorIndex(std::size_t n) {
    static std::size_t s_n = 0;
    static std::unique_ptr<CSpatialIndex> s_index;
    CSchemoDoc& doc = LoadedDocument(n);
    if (!s_index || s_n != n) {
        if (s_index) doc.RemoveObserver(s_index.get());
        s_index = std::make_unique<CSpatialIndex>(doc.Primitives());
        doc.AddObserver(s_index.get()); // edits keep it right, as in the window
        s_n = n;
    }
    return *s_index;
}

CViewCoords ViewAt(double dZoom, CPoint org, bool bGrid) {
    CViewCoords v;
    v.SetClientSize(kViewWidth, kViewHeight);
    v.SetScale(dZoom / 100, false);
    v.ScrollTo(org.x, org.y);
    v.m_grid.bShowGrid = bGrid;
    return v;
}
