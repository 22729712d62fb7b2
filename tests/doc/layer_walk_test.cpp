// The layer walk draws with the layer table it carries, symbols included.
#include "doc/layer_walk.h"
#include "model/line.h"
#include "model/macro.h"
#include "model/recording_surface.h"

#include <gtest/gtest.h>

TEST(LayerWalk, PassesItsLayerTableDownToSymbols) {
    CPrimitiveList list;
    auto symbol = std::make_unique<CMacro>(0, 0);
    symbol->m_components.push_back(std::make_unique<CLine>(0, 0, 5, 0, false));
    symbol->m_components.push_back(std::make_unique<CLine>(0, 9, 5, 9, false));
    symbol->m_components.back()->SetLayer(3);
    list.push_back(std::move(symbol));
    list.push_back(std::make_unique<CLine>(0, 20, 5, 20, false));
    list.back()->SetLayer(3);
    CLayerTable layers;
    layers.m_crLayerColor[0] = RGB(1, 2, 3);
    layers.m_bLayerShow[3] = 0;
    const CLayerWalk walk(layers);
    CRecordingSurface dc;
    DrawLayers(dc, list, walk);
    ASSERT_EQ(dc.m_calls.size(), 2u); // the symbol's line on layer 0 and its end pixel
    EXPECT_EQ(dc.m_calls[0], "line 0,0 5,0 rop=13 pen=030201/0 brush=none");
    layers.m_bLayerShow[3] = 1;
    dc.m_calls.clear();
    DrawLayers(dc, list, walk);
    EXPECT_EQ(dc.m_calls.size(), 6u);
}
