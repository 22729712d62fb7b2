// The layer walk draws every shown layer up to the last, with the layer table
// it carries, symbols included.
#include "doc/scene/layer_walk.h"
#include "model/line.h"
#include "model/macro.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

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
