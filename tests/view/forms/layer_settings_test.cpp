// "Gestione Layer" works on a copy: a save button puts its column of the copy in force and
// stores it, a restore leaves the running table alone, OK applies everything.
#include "support/fake_profile_store.h"
#include "view/forms/config_values.h"
#include "view/forms/layer_dialog_model.h"
#include "view/forms/layer_settings.h"
#include "view/program/app_settings.h"

#include "support/core_test.h"

#include <tuple>

// Absent or empty names and -1 keep the defaults; bytes and any other value are taken as they
// are. A bad macro bar size comes back as 1; the microns are never stored.
TEST(LayerSettings, AbsentOrEmptyValuesKeepTheDefaultsAndBadOnesComeBackInRange) {
    CFakeProfileStore store;
    // clang-format off
    store.m_values = {{"Layers/Name15", "\x80"}, {"Layers/Color1", "-1"}, {"Layers/Show4", "-1"},
                      {"Layers/Print7", "7"}, {"Configurazione/nMacrobarSize", "7"}, {"Configurazione/bSplit", "0"}};
    // clang-format on
    CLayerTable layers;
    LoadLayers(layers, store);
    EXPECT_TRUE(layers.m_strLayerName[0] == "Schema" && layers.m_strLayerName[15] == "\x80");
    EXPECT_TRUE(layers.m_crLayerColor[1] == RGB(0, 0, 192) && layers.m_bLayerShow[4] == 1 &&
                layers.m_bLayerPrint[7] == 7);
    CSettings s;
    s.nMicronsPerUnit = 500;
    LoadConfiguration(s, store);
    EXPECT_TRUE(s.nMacrobarSize == 1 && s.bSplit == 0 && s.nMicronsPerUnit == 127);
}

// "bTabbedView" goes back once read or changed: stored ("" none), chosen, written ("" not).
TEST(LayerSettings, TheTabbedViewIsWrittenOnlyOnceReadOrChanged) {
    using Case = std::tuple<const char*, int, const char*>;
    for (const auto& [pszStored, bChosen, pszWritten] :
         {Case{"", 0, ""}, Case{"", 1, "1"}, Case{"1", 1, "1"}, Case{"1", 0, "0"}}) {
        CFakeProfileStore in, out;
        if (*pszStored) in.m_values["Configurazione/bTabbedView"] = pszStored;
        CSettings s;
        LoadConfiguration(s, in);
        CConfigValues v = CConfigValues::From(s);
        v.bTabbedView = bChosen;
        ASSERT_TRUE(v.ApplyTo(s));
        SaveConfiguration(s, out);
        EXPECT_EQ(out.m_values["Configurazione/bTabbedView"], pszWritten) << pszStored << bChosen;
    }
}

TEST(LayerDialogModel, SavesPutTheirColumnInForceRestoresOnlyFillTheDialog) {
    CLayerTable running;
    running.m_strLayerName[1] = "Rame";
    running.m_crLayerColor[0] = RGB(10, 20, 30);
    running.m_bLayerShow[2] = 0;
    CFakeProfileStore store;
    CLayerDlgModel dlg(running);
    dlg.RestoreNames();
    dlg.RestoreColors();
    dlg.RestoreView();
    EXPECT_EQ(dlg.m_values.m_strLayerName[1], "PCB lato rame");
    EXPECT_TRUE(dlg.m_values.m_crLayerColor[0] == RGB(0, 0, 0) &&
                dlg.m_values.m_bLayerShow[2] == 1);
    EXPECT_EQ(running.m_strLayerName[1], "Rame");
    EXPECT_FALSE(!store.m_writes.empty() || dlg.SavedAny());

    dlg.SaveNames(running, store);
    EXPECT_TRUE(store.m_values["Layers/Name1"] == "PCB lato rame" &&
                running.m_strLayerName[1] == "PCB lato rame");
    EXPECT_TRUE(running.m_crLayerColor[0] == RGB(10, 20, 30) &&
                dlg.SavedAny()); // colours wait for their button
    dlg.SetAllShow(false);
    dlg.m_values.m_bLayerPrint[3] = 0;
    dlg.SaveView(running, store);
    EXPECT_EQ(store.m_values["Layers/Show7"] + store.m_values["Layers/Print3"] +
                  std::to_string(running.m_bLayerShow[7]),
              "000");

    dlg.SetAllPrint(false);
    dlg.ApplyTo(running);
    EXPECT_TRUE(running.m_crLayerColor[0] == RGB(0, 0, 0) && running.m_bLayerPrint[15] == 0);
    EXPECT_EQ(store.m_writes.size(), 48u); // OK writes nothing
}
