// "Esporta per la produzione": the choices kept between runs, the lengths
// taken or refused as the command line takes them, and the archive's name.
#include "view/forms/fab_choices.h"

#include "doc/document/document_ui.h"
#include "support/fake_profile_store.h"

#include <gtest/gtest.h>

// The rules are kept as typed and read in nanometres.
TEST(FabChoices, KeptBetweenRunsWithALayerOutOfRangeTakenAsNone) {
    CFakeProfileStore store;
    CFabChoices c = LoadFabChoices(store);
    EXPECT_EQ(c.nOutlineLayer, -1);
    EXPECT_EQ(c.strMaskExpansion, "0");
    EXPECT_EQ(c.strStroke, "0.15");
    c = {15, "0.05", "0.2", "/tmp/x.zip"};
    c.strRules[5] = "0.50";
    SaveFabChoices(c, store);
    CFabChoices back = LoadFabChoices(store);
    EXPECT_EQ(back.nOutlineLayer, 15);
    EXPECT_EQ(back.strMaskExpansion, "0.05");
    EXPECT_EQ(back.strStroke, "0.2");
    EXPECT_EQ(back.strArchive, ""); // asked each time
    CDesignRules rules;
    EXPECT_TRUE(back.strRules[5] == "0.50" && ReadFabRules(back, 254, rules).empty());
    EXPECT_TRUE(rules.nMinTrack == 150000 && rules.nHoleToHole == 250000 && rules.nEdge == 500000 &&
                rules.nOutlineLayer == 15 && rules.nMicronsPerUnit == 254);
    back.strRules[2] = "0";
    EXPECT_EQ(ReadFabRules(back, 254, rules), FillMessage(MSG_FAB_BAD_LENGTH, "Foro minimo"));
    for (const char* bad : {"16", "-2"}) {
        store.m_values["Produzione/nOutlineLayer"] = bad;
        EXPECT_EQ(LoadFabChoices(store).nOutlineLayer, -1) << bad;
    }
}

TEST(FabChoices, LengthsUpToTenMillimetresTheStrokeNeverZero) {
    struct Row {
        const char* mask;
        const char* stroke;
        const char* refused; // the name in the message, or nullptr
        std::int64_t nMask, nStroke;
    } rows[] = {
        {"0", "0.15", nullptr, 0, 150000},
        {"10", "10", nullptr, 10000000, 10000000},
        {"10.000001", "0.15", "Allargamento maschera", 0, 0},
        {"-0.1", "0.15", "Allargamento maschera", 0, 0},
        {"0,1", "0.15", "Allargamento maschera", 0, 0},
        {"0", "0", "Tratto", 0, 0},
        {"0", "", "Tratto", 0, 0},
    };
    for (const Row& r : rows) {
        CFabOptions o;
        const std::string why = ReadFabChoices({3, r.mask, r.stroke, ""}, 254, o);
        if (r.refused) {
            EXPECT_EQ(why, FillMessage(MSG_FAB_BAD_LENGTH, r.refused)) << r.mask << " " << r.stroke;
            continue;
        }
        EXPECT_EQ(why, "") << r.mask << " " << r.stroke;
        EXPECT_EQ(o.nMaskExpansion, r.nMask);
        EXPECT_EQ(o.nStroke, r.nStroke);
        EXPECT_EQ(o.nOutlineLayer, 3);
        EXPECT_EQ(o.nMicronsPerUnit, 254);
    }
}

TEST(FabChoices, TheArchiveGoesBesideTheDrawingNamedAfterIt) {
    EXPECT_EQ(DefaultFabArchive("/home/u/scheda.tvd", "scheda.tvd", "/cwd"), "/home/u/scheda.zip");
    EXPECT_EQ(DefaultFabArchive("/home/u.v/scheda", "scheda", "/cwd"), "/home/u.v/scheda.zip");
    EXPECT_EQ(DefaultFabArchive("", "Schem1", "/cwd"), "/cwd/Schem1.zip");
}
