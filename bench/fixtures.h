#pragma once
// What the benchmarks share: the generated drawings in a temporary folder, one
// loaded document at a time, the view's mapping and image, and the timing of
// one operation with its memory.
#include "doc/document/document.h"
#include "doc/document/settings.h"
#include "format/resolve_context.h"
#include "generate.h"
#include "model/layers.h"
#include "view/viewport/view_coords.h"

#include <benchmark/benchmark.h>

class CSpatialIndex;

#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kViewWidth = 1920;
constexpr int kViewHeight = 1080;
constexpr std::uint64_t kSeed = 20240607;

// The state a program would own: library folders and caches, layers, settings.
struct CBenchProgram {
    CLibraryState library;
    CLayerTable layers;
    CSettings settings;
};
CBenchProgram& BenchProgram();

// Generates one drawing per size into a fresh temporary folder.
bool PrepareDrawings(const std::vector<std::size_t>& sizes);
void RemoveDrawings();
const std::string& DrawingPath(std::size_t n);
const CBenchMix& DrawingMix(std::size_t n);
std::string ScratchPath(const std::string& name);

// The drawing of n elements, read once and kept until another size is asked for.
CSchemoDoc& LoadedDocument(std::size_t n);
void DropDocument();

// The index of LoadedDocument(n), kept right by its changes as in the window.
CSpatialIndex& EditorIndex(std::size_t n);
// A 1920 x 1080 view at a zoom in percent, the window's top left at org.
CViewCoords ViewAt(double dZoom, CPoint org, bool bGrid = true);

// The view at zoom 100 %: isotropic, the 2500-unit sheet fitted into the view.
void SetViewMapping(CMapping& dc);
// The view's 1920 x 1080 image, white.
QImage& ViewImage();
void ClearViewImage();

// The most C++ heap an operation added while it ran, and the process's
// resident-set high-water mark after it.
struct COpMemory {
    std::size_t peakHeap = 0;
    std::size_t maxRss = 0;
    double cpuSeconds = 0; // summed over the iterations
};

std::size_t AllocNow();
std::size_t AllocMarkPeak();
std::size_t AllocPeakSince(std::size_t base);
std::size_t RssNow();

// The CPU time of the process, in seconds. The operations run on one thread;
// other processes on the machine disturb this far less than the wall time.
double ProcessCpuSeconds();

// Runs f once and answers its wall-clock seconds, keeping its memory figures
// and adding its CPU time to m.cpuSeconds.
template <class F> double TimeOp(COpMemory& m, F&& f) {
    const std::size_t base = AllocMarkPeak();
    const double c0 = ProcessCpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    f();
    const auto t1 = std::chrono::steady_clock::now();
    m.cpuSeconds += ProcessCpuSeconds() - c0;
    m.peakHeap = std::max(m.peakHeap, AllocPeakSince(base));
    m.maxRss = std::max(m.maxRss, RssNow());
    return std::chrono::duration<double>(t1 - t0).count();
}

// The memory figures as counters in megabytes, and the CPU time per iteration.
void ReportMemory(benchmark::State& state, const COpMemory& m);
