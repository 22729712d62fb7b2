// The layer walk draws every shown layer up to the last, with the layer table
// it carries, symbols included.
#include "doc/scene/layer_walk.h"
#include "doc/scene/tile_plan.h"
#include "support/core_test.h"

TEST(LayerWalk, DrawsTheShownLayersUpToTheLastAndPassesItsTableToSymbols) {
    CPrimitiveList list;
    auto symbol = std::make_unique<CMacro>(0, 0);
    symbol->m_components.push_back(std::make_unique<CLine>(0, 0, 5, 0, false));
    symbol->m_components.push_back(std::make_unique<CLine>(0, 9, 5, 9, false));
    symbol->m_components.back()->SetLayer(3);
    list.push_back(std::move(symbol));
    for (int layer : {3, 15}) {
        list.push_back(std::make_unique<CLine>(0, 20 + layer, 5, 20 + layer, false));
        list.back()->SetLayer(layer);
    }
    CLayerTable layers;
    layers.m_crLayerColor[0] = RGB(1, 2, 3);
    layers.m_bLayerShow[3] = 0;
    const CLayerWalk walk(layers);
    CRecordingSurface dc;
    DrawLayers(dc, list, walk);
    ASSERT_EQ(dc.m_calls.size(), 4u); // each line and its end pixel: the symbol's on 0, and 15
    EXPECT_EQ(dc.m_calls[0], "line 0,0 5,0 rop=13 pen=030201/0 brush=none");
    EXPECT_EQ(dc.m_calls[2].substr(0, 16), "line 0,35 5,35 r");
    layers.m_bLayerShow[3] = 1;
    dc.m_calls.clear();
    DrawLayers(dc, list, walk);
    EXPECT_EQ(dc.m_calls.size(), 8u);
}

// The parts cover the marked pixels once, stay within one grid cell through
// the origin (so within one tile) and come nearest the middle first.
TEST(PlanParts, CoverOnceWithinCellsMiddleFirst) {
    const CPoint origin{-100, 37};
    const std::vector<CRect> dirty{{0, 0, 700, 300}, {650, 400, 1200, 420}};
    const std::vector<CRect> parts = PlanParts(dirty, origin, CPoint{600, 210});
    long long area = 0;
    for (const CRect& p : parts) {
        area += (long long)(p.right - p.left) * (p.bottom - p.top);
        const auto cell = [](int v, int o) { return (v - o + 4 * SCENE_PART) / SCENE_PART; };
        EXPECT_EQ(cell(p.left, origin.x), cell(p.right - 1, origin.x));
        EXPECT_EQ(cell(p.top, origin.y), cell(p.bottom - 1, origin.y));
    }
    EXPECT_EQ(area, 700LL * 300 + 550 * 20);
    const int l = origin.x + (600 - origin.x) / SCENE_PART * SCENE_PART;
    const int t = origin.y + (210 - origin.y) / SCENE_PART * SCENE_PART;
    EXPECT_EQ(parts.front(), (CRect{std::max(l, 0), std::max(t, 0), std::min(l + SCENE_PART, 700),
                                    std::min(t + SCENE_PART, 300)}))
        << "the cell holding the middle";
}
