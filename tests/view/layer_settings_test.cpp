// The layer table read over its defaults and written one column at a time.
#include "fake_profile_store.h"
#include "view/layer_settings.h"

#include <gtest/gtest.h>

TEST(LayerSettings, AbsentOrEmptyNamesAndMinusOneKeepTheDefaults) {
    CFakeProfileStore store;
    store.m_strings["Layers/Name0"] = "";
    store.m_strings["Layers/Name2"] = "Rame sopra";
    store.m_strings["Layers/Name15"] = "\x80 ultimo"; // bytes pass unchanged
    store.m_ints["Layers/Color1"] = -1;
    store.m_ints["Layers/Color3"] = 0x00123456;
    store.m_ints["Layers/Show4"] = -1;
    store.m_ints["Layers/Show5"] = 0;
    store.m_ints["Layers/Print6"] = 0;
    store.m_ints["Layers/Print7"] = 7; // any value but -1 is taken as it is
    CLayerTable layers;
    LoadLayers(layers, store);

    const CLayerTable defaults;
    EXPECT_EQ(layers.m_strLayerName[0], "Schema");
    EXPECT_EQ(layers.m_strLayerName[1], "PCB lato rame");
    EXPECT_EQ(layers.m_strLayerName[2], "Rame sopra");
    EXPECT_EQ(layers.m_strLayerName[15], "\x80 ultimo");
    EXPECT_EQ(layers.m_crLayerColor[1], RGB(0, 0, 192));
    EXPECT_EQ(layers.m_crLayerColor[3], 0x00123456u);
    EXPECT_EQ(layers.m_bLayerShow[4], 1);
    EXPECT_EQ(layers.m_bLayerShow[5], 0);
    EXPECT_EQ(layers.m_bLayerPrint[6], 0);
    EXPECT_EQ(layers.m_bLayerPrint[7], 7);
    for (int i = 8; i < 15; ++i) {
        EXPECT_EQ(layers.m_strLayerName[i], defaults.m_strLayerName[i]);
        EXPECT_EQ(layers.m_crLayerColor[i], defaults.m_crLayerColor[i]);
        EXPECT_EQ(layers.m_bLayerShow[i], 1);
        EXPECT_EQ(layers.m_bLayerPrint[i], 1);
    }
}

TEST(LayerSettings, EachSaveWritesItsOwnColumnForAllSixteenLayersAndReadsBack) {
    CLayerTable layers;
    layers.m_strLayerName[9] = "Fori";
    layers.m_crLayerColor[9] = RGB(200, 100, 50);
    layers.m_bLayerShow[9] = 0;
    layers.m_bLayerPrint[10] = 0;

    CFakeProfileStore store;
    SaveLayerColors(layers, store);
    ASSERT_EQ(store.m_writes.size(), 16u);
    EXPECT_EQ(store.m_writes.front(), "Layers/Color0");
    EXPECT_EQ(store.m_writes.back(), "Layers/Color15");
    EXPECT_TRUE(store.m_strings.empty());
    SaveLayerNames(layers, store);
    SaveLayerShow(layers, store);
    SaveLayerPrint(layers, store);
    EXPECT_EQ(store.m_writes.size(), 64u);

    CLayerTable read;
    LoadLayers(read, store);
    EXPECT_EQ(read.m_strLayerName[9], "Fori");
    EXPECT_EQ(read.m_crLayerColor[9], RGB(200, 100, 50));
    EXPECT_EQ(read.m_bLayerShow[9], 0);
    EXPECT_EQ(read.m_bLayerPrint[10], 0);
    EXPECT_EQ(read.m_bLayerPrint[9], 1);
}
