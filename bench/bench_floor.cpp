// The floor's two paths, timed the same way as the program's.
#include "benches.h"
#include "fixtures.h"
#include "floor.h"

void BenchFloorParse(benchmark::State& state, std::size_t n) {
    const std::string& path = DrawingPath(n);
    COpMemory m;
    for (auto _ : state) {
        CFloorList items;
        bool ok = false;
        state.SetIterationTime(TimeOp(m, [&] { ok = FloorRead(path, items); }));
        if (!ok || items.size() != n) {
            state.SkipWithError("the floor did not read the drawing whole");
            break;
        }
    }
    ReportMemory(state, m);
}

void BenchFloorPaint(benchmark::State& state, std::size_t n) {
    const CFloorList items = FloorExpand(LoadedDocument(n).Primitives());
    COpMemory m;
    for (auto _ : state) {
        ClearViewImage();
        state.SetIterationTime(TimeOp(m, [&] { FloorPaint(ViewImage(), items); }));
    }
    ReportMemory(state, m);
    state.counters["figures"] = double(items.size());
}
