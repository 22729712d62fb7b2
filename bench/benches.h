#pragma once
// The benchmark bodies, one per figure; each takes the drawing size.
#include <benchmark/benchmark.h>

#include <cstddef>

void BenchRead(benchmark::State& state, std::size_t n);
void BenchStore(benchmark::State& state, std::size_t n);
void BenchAutosave(benchmark::State& state, std::size_t n);
void BenchRegions(benchmark::State& state, std::size_t n);
void BenchRender(benchmark::State& state, std::size_t n);
void BenchHitTest(benchmark::State& state, std::size_t n);
void BenchUndoSnapshot(benchmark::State& state, std::size_t n);
void BenchExport(benchmark::State& state, std::size_t n);
void BenchPick(benchmark::State& state, std::size_t n);
void BenchSmallWalk(benchmark::State& state, std::size_t n);
void BenchZoomStep(benchmark::State& state, std::size_t n);
void BenchViewZoom(benchmark::State& state, std::size_t n);
void BenchViewScroll(benchmark::State& state, std::size_t n);
void BenchViewChange(benchmark::State& state, std::size_t n);
void BenchDragStep1(benchmark::State& state, std::size_t n);
void BenchDragStep1000(benchmark::State& state, std::size_t n);
void BenchClickPick(benchmark::State& state, std::size_t n);
void BenchSelectAllRotate(benchmark::State& state, std::size_t n);
void BenchUndoStep(benchmark::State& state, std::size_t n);
void BenchUndo100(benchmark::State& state, std::size_t n);
void BenchUndo(benchmark::State& state, std::size_t n);
void BenchRedo(benchmark::State& state, std::size_t n);
// The window's steps on the workers' scene: the first frame, or the exact picture.
enum class ETiledStep { Zoom, Scroll, Click, Undo, Redo };
void BenchTiledStep(benchmark::State& state, std::size_t n, ETiledStep step, bool bSettled);
template <ETiledStep step, bool bSettled> void BenchTiled(benchmark::State& state, std::size_t n) {
    BenchTiledStep(state, n, step, bSettled);
}
void BenchNets(benchmark::State& state, std::size_t n);
void BenchDesignRules(benchmark::State& state, std::size_t n);

void BenchFloorParse(benchmark::State& state, std::size_t n);
void BenchFloorPaint(benchmark::State& state, std::size_t n);
