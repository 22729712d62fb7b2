// The undo history on the loaded drawing: one step that changes one
// primitive, a hundred of them with the memory they keep, and undo and redo.
// They change the drawing, so they run after the other figures of a size.
#include "benches.h"
#include "fixtures.h"

#include <vector>

namespace {
// Moves one primitive, a different one each time, there and back in turn.
void EditOne(CSchemoDoc& doc, std::size_t nStep) {
    const CPrimitiveList& all = doc.Primitives();
    CPrimitive* p = all[(nStep / 2 * 7919) % all.size()].get();
    const int d = nStep % 2 == 0 ? 1 : -1;
    doc.Edit({p}, [&] { p->Move(d, d); });
    doc.CommitChange();
}
} // namespace

void BenchUndoStep(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    std::size_t nStep = 0;
    for (auto _ : state)
        state.SetIterationTime(TimeOp(m, [&] { EditOne(doc, nStep++); }));
    ReportMemory(state, m);
}

// The heap the hundred steps keep, and what the history counts in all.
void BenchUndo100(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    double dKeptMB = 0, dHistoryMB = 0;
    for (auto _ : state) {
        doc.ClearUndo();
        const std::size_t before = AllocNow();
        state.SetIterationTime(TimeOp(m, [&] {
            for (std::size_t i = 0; i < 100; ++i) EditOne(doc, i);
        }));
        dKeptMB = double(AllocNow() - before) / 1e6;
        dHistoryMB = double(doc.History().Bytes()) / 1e6;
    }
    ReportMemory(state, m);
    state.counters["kept_MB"] = dKeptMB;
    state.counters["history_MB"] = dHistoryMB;
}

void BenchUndo(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    EditOne(doc, 0);
    for (auto _ : state) {
        state.SetIterationTime(TimeOp(m, [&] { doc.Undo(); }));
        doc.Redo();
    }
    ReportMemory(state, m);
}

void BenchRedo(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    EditOne(doc, 1);
    for (auto _ : state) {
        doc.Undo();
        state.SetIterationTime(TimeOp(m, [&] { doc.Redo(); }));
    }
    ReportMemory(state, m);
}
