// Connectivity of the generated drawing, and the design-rule check of a board
// of N/10 tracks and N/20 pads, from the primitives alone.
#include "benches.h"
#include "fixtures.h"

#include "doc/nets/design_rules.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"
#include "model/rectangle.h"

namespace {
// Rows of pads 20 units apart, each pad joined to the next by two tracks on
// its row's side, inside an outline on layer 4: no finding, every rule looked at.
CPrimitiveList Board(std::size_t nPads) {
    CPrimitiveList list;
    const int nCols = 100, nRows = int((nPads + nCols - 1) / nCols);
    auto pcb = [&](int x1, int y1, int x2, int y2, int nLayer) {
        auto t = std::make_unique<CPCBLine>();
        t->m_points[0] = {x1, y1}, t->m_points[1] = {x2, y2};
        t->m_nThickness = 2;
        t->SetLayer(nLayer);
        list.push_back(std::move(t));
    };
    for (int j = 0; j < nRows; ++j)
        for (int i = 0; i < nCols && std::size_t(j * nCols + i) < nPads; ++i) {
            const int x = 20 + 20 * i, y = 20 + 20 * j, L = 1 + j % 2;
            auto pad = std::make_unique<CPCBPad>();
            pad->m_points[0] = {x, y};
            pad->m_nSizeX = pad->m_nSizeY = 8, pad->m_nHole = 3;
            pad->SetLayer(L);
            list.push_back(std::move(pad));
            pcb(x, y, x + 10, y, L), pcb(x + 10, y, x + 20, y, L);
        }
    auto edge = std::make_unique<CRectangle>();
    edge->m_points[0] = {0, 0}, edge->m_points[1] = {40 + 20 * nCols, 20 + 20 * nRows};
    edge->SetLayer(4);
    list.push_back(std::move(edge));
    return list;
}
} // namespace

void BenchNets(benchmark::State& state, std::size_t n) {
    CSchemoDoc& doc = LoadedDocument(n);
    COpMemory m;
    std::size_t nNets = 0;
    for (auto _ : state)
        state.SetIterationTime(TimeOp(m, [&] {
            nNets =
                CopperNets(doc.Primitives()).nets.size() + WireNets(doc.Primitives()).nets.size();
        }));
    ReportMemory(state, m);
    state.counters["nets"] = double(nNets);
}

void BenchDesignRules(benchmark::State& state, std::size_t n) {
    const CPrimitiveList board = Board(n / 20);
    CDesignRules rules;
    rules.nOutlineLayer = 4;
    COpMemory m;
    std::size_t nFound = 0;
    for (auto _ : state)
        state.SetIterationTime(TimeOp(m, [&] { nFound = CheckDesignRules(board, rules).size(); }));
    if (nFound) state.SkipWithError("the board has findings");
    ReportMemory(state, m);
    state.counters["primitives"] = double(board.size());
}
