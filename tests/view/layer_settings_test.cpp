// The layer table read over its defaults and written one column at a time.
#include "fake_profile_store.h"
#include "view/app_settings.h"
#include "view/layer_settings.h"

#include <gtest/gtest.h>

TEST(LayerSettings, AbsentOrEmptyNamesAndMinusOneKeepTheDefaults) {
    CFakeProfileStore store;
    store.m_strings = {
        {"Layers/Name0", ""}, {"Layers/Name2", "Rame sopra"}, {"Layers/Name15", "\x80"}};
    store.m_ints = {{"Layers/Color1", -1},
                    {"Layers/Color3", 0x123456},
                    {"Layers/Show4", -1},
                    {"Layers/Show5", 0},
                    {"Layers/Print7", 7}};
    CLayerTable layers;
    LoadLayers(layers, store);

    EXPECT_EQ(layers.m_strLayerName[0], "Schema");
    EXPECT_EQ(layers.m_strLayerName[2], "Rame sopra");
    EXPECT_EQ(layers.m_strLayerName[15], "\x80"); // bytes pass unchanged
    EXPECT_EQ(layers.m_crLayerColor[1], RGB(0, 0, 192));
    EXPECT_EQ(layers.m_crLayerColor[3], 0x123456u);
    EXPECT_EQ(layers.m_bLayerShow[4], 1);
    EXPECT_EQ(layers.m_bLayerShow[5], 0);
    EXPECT_EQ(layers.m_bLayerPrint[7], 7); // any value but -1 is taken as it is
    EXPECT_EQ(layers.m_strLayerName[8], "Layer 9");
}

TEST(LayerSettings, EachSaveWritesOnlyItsColumnAndReadsBack) {
    CLayerTable layers;
    layers.m_crLayerColor[9] = RGB(200, 100, 50);
    layers.m_strLayerName[9] = "Fori";
    CFakeProfileStore store;
    SaveLayerColors(layers, store);
    EXPECT_EQ(store.m_writes.size(), 16u);
    EXPECT_TRUE(store.m_strings.empty());
    SaveLayerShow(layers, store);
    SaveLayerPrint(layers, store);

    CLayerTable read;
    read.m_strLayerName[9] = "Altro";
    LoadLayers(read, store);
    EXPECT_EQ(read.m_crLayerColor[9], RGB(200, 100, 50));
    EXPECT_EQ(read.m_strLayerName[9], "Altro");
}

TEST(AppSettings, AFirstRunWritesTheFourKeysAndABadMacrobarSizeComesBackAsOne) {
    CFakeProfileStore store;
    store.m_ints = {{"Configurazione/nMacrobarSize", 7}, {"Configurazione/bSplit", 0}};
    CSettings s;
    s.nMicronsPerUnit = 500;
    LoadConfiguration(s, store);
    EXPECT_EQ(s.nMacrobarSize, 1);
    EXPECT_EQ(s.bSplit, 0);
    EXPECT_EQ(s.bPrintMirror, 1);
    EXPECT_EQ(s.nMicronsPerUnit, 127); // never stored, back at every run
    SaveConfiguration(s, store);
    SaveWindowRect(LoadWindowRect(store), store);
    EXPECT_EQ(store.m_writes, (std::vector<std::string>{
                                  "Configurazione/bSplit", "Configurazione/nMacrobarSize",
                                  "Configurazione/bRegisterFileTypes", "Configurazione/bPrintMirror",
                                  "Window State/top", "Window State/bottom", "Window State/left",
                                  "Window State/right"}));
    EXPECT_EQ(store.m_ints["Configurazione/nMacrobarSize"], 1);
    EXPECT_EQ(store.m_ints["Window State/right"], 800);
}
