// "Gestione Layer" works on a copy: a save button puts its column of the copy
// in force and stores it, a restore or "Annulla" leaves the running table
// alone, OK applies everything.
#include "fake_profile_store.h"
#include "view/layer_dialog_model.h"

#include <gtest/gtest.h>

class LayerDialogModel : public ::testing::Test {
  protected:
    void SetUp() override {
        running.m_strLayerName[1] = "Rame";
        running.m_crLayerColor[0] = RGB(10, 20, 30);
        running.m_bLayerShow[2] = 0;
    }
    CLayerTable running;
    CFakeProfileStore store;
};

TEST_F(LayerDialogModel, SaveButtonsStoreWhatTheDialogShowsAndPutOnlyThatInForce) {
    CLayerDlgModel dlg(running);
    dlg.m_values.m_crLayerColor[4] = RGB(1, 2, 3);
    dlg.m_values.m_strLayerName[4] = "Fori";
    dlg.SaveColors(running, store);
    EXPECT_EQ(store.m_ints.at("Layers/Color4"), int(RGB(1, 2, 3)));
    EXPECT_EQ(running.m_crLayerColor[4], RGB(1, 2, 3));
    EXPECT_EQ(running.m_strLayerName[4], "Layer 5"); // the names wait for their own button
    EXPECT_TRUE(dlg.SavedAny());

    dlg.SetAllShow(false);
    dlg.m_values.m_bLayerPrint[3] = 0;
    dlg.SaveView(running, store);
    EXPECT_EQ(store.m_writes[16], "Layers/Show0"); // show, then print
    EXPECT_EQ(store.m_writes[32], "Layers/Print0");
    EXPECT_EQ(store.m_ints.at("Layers/Show7"), 0);
    EXPECT_EQ(store.m_ints.at("Layers/Print3"), 0);
    EXPECT_EQ(running.m_bLayerShow[7], 0);
}

TEST_F(LayerDialogModel, RestoresFillTheDialogOnlyAndCancelKeepsTheRunningTable) {
    CLayerDlgModel dlg(running);
    dlg.RestoreNames();
    dlg.RestoreColors();
    dlg.RestoreView();
    EXPECT_EQ(dlg.m_values.m_strLayerName[1], "PCB lato rame");
    EXPECT_EQ(dlg.m_values.m_crLayerColor[0], RGB(0, 0, 0));
    EXPECT_EQ(dlg.m_values.m_bLayerShow[2], 1);
    EXPECT_EQ(running.m_strLayerName[1], "Rame");
    EXPECT_EQ(running.m_crLayerColor[0], RGB(10, 20, 30));
    EXPECT_EQ(running.m_bLayerShow[2], 0);
    EXPECT_TRUE(store.m_writes.empty());
    EXPECT_FALSE(dlg.SavedAny());
}

TEST_F(LayerDialogModel, RestoreThenSaveStoresTheDefaultsAndOkAppliesEveryColumn) {
    CLayerDlgModel dlg(running);
    dlg.RestoreNames();
    dlg.SaveNames(running, store);
    EXPECT_EQ(store.m_strings.at("Layers/Name1"), "PCB lato rame");

    dlg.m_values.m_crLayerColor[5] = RGB(9, 9, 9);
    dlg.SetAllPrint(false);
    dlg.ApplyTo(running);
    EXPECT_EQ(running.m_crLayerColor[5], RGB(9, 9, 9));
    EXPECT_EQ(running.m_crLayerColor[0], RGB(10, 20, 30)); // not restored, so kept
    EXPECT_EQ(running.m_bLayerPrint[15], 0);
    EXPECT_EQ(running.m_bLayerShow[2], 0);
    EXPECT_EQ(store.m_writes.size(), 16u); // OK writes nothing
}
