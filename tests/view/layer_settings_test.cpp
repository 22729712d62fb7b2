// The layer table read over its defaults and written one column at a time,
// the configuration keys, and "Gestione Layer", which works on a copy: a save
// button puts its column of the copy in force and stores it, a restore or
// "Annulla" leaves the running table alone, OK applies everything.
#include "view/app_settings.h"
#include "view/layer_dialog_model.h"
#include "view/layer_settings.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// Settings kept in memory, "section/key" to value, with a log of the writes.
class CFakeProfileStore final : public IProfileStore {
  public:
    std::map<std::string, std::string> m_strings;
    std::map<std::string, int> m_ints;
    std::vector<std::string> m_writes; // "section/key" in order

    std::string GetString(const std::string& section, const std::string& key) override {
        const auto it = m_strings.find(section + "/" + key);
        return it == m_strings.end() ? std::string() : it->second;
    }
    int GetInt(const std::string& section, const std::string& key, int nDefault) override {
        const auto it = m_ints.find(section + "/" + key);
        return it == m_ints.end() ? nDefault : it->second;
    }
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        m_strings[section + "/" + key] = value;
        m_writes.push_back(section + "/" + key);
    }
    void WriteInt(const std::string& section, const std::string& key, int nValue) override {
        m_ints[section + "/" + key] = nValue;
        m_writes.push_back(section + "/" + key);
    }
};
} // namespace

TEST(LayerSettings, AbsentOrEmptyNamesAndMinusOneKeepTheDefaults) {
    CFakeProfileStore store;
    store.m_strings = {{"Layers/Name0", ""}, {"Layers/Name15", "\x80"}};
    store.m_ints = {{"Layers/Color1", -1}, {"Layers/Show4", -1}, {"Layers/Print7", 7}};
    CLayerTable layers;
    LoadLayers(layers, store);
    // Bytes pass unchanged; any value but -1 is taken as it is.
    EXPECT_TRUE(layers.m_strLayerName[0] == "Schema" && layers.m_strLayerName[15] == "\x80");
    EXPECT_TRUE(layers.m_crLayerColor[1] == RGB(0, 0, 192) && layers.m_bLayerShow[4] == 1);
    EXPECT_EQ(layers.m_bLayerPrint[7], 7);
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
    EXPECT_EQ(store.m_writes.size(), 8u); // four settings, four sides
    EXPECT_EQ(store.m_ints["Configurazione/nMacrobarSize"], 1);
    EXPECT_EQ(store.m_ints["Window State/right"], 800);
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
    EXPECT_EQ(dlg.m_values.m_crLayerColor[0], RGB(0, 0, 0));
    EXPECT_EQ(dlg.m_values.m_bLayerShow[2], 1);
    EXPECT_EQ(running.m_strLayerName[1], "Rame");
    EXPECT_TRUE(store.m_writes.empty());
    EXPECT_FALSE(dlg.SavedAny());

    dlg.SaveNames(running, store);
    EXPECT_EQ(store.m_strings.at("Layers/Name1"), "PCB lato rame");
    EXPECT_EQ(running.m_strLayerName[1], "PCB lato rame");
    EXPECT_EQ(running.m_crLayerColor[0], RGB(10, 20, 30)); // the colours wait for their button
    EXPECT_TRUE(dlg.SavedAny());
    dlg.SetAllShow(false);
    dlg.m_values.m_bLayerPrint[3] = 0;
    dlg.SaveView(running, store);
    EXPECT_EQ(store.m_ints.at("Layers/Show7"), 0);
    EXPECT_EQ(store.m_ints.at("Layers/Print3"), 0);
    EXPECT_EQ(running.m_bLayerShow[7], 0);

    dlg.SetAllPrint(false);
    dlg.ApplyTo(running);
    EXPECT_EQ(running.m_crLayerColor[0], RGB(0, 0, 0));
    EXPECT_EQ(running.m_bLayerPrint[15], 0);
    EXPECT_EQ(store.m_writes.size(), 48u); // OK writes nothing
}
