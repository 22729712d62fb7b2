// Loading, storing, the unsplit-macro warning, undo and redo, extents.
#include "../test_util.h"
#include "../format/program_dir_fixture.h"
#include "doc/document.h"
#include "fake_ui.h"
#include "model/recording_surface.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

class Document : public ProgramDirTest {
protected:
    void SetUp() override {
        ProgramDirTest::SetUp();
        WriteFile("libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nLI 100 100 110 100\r\n");
    }
    std::string ReadBack(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::string Path(const std::string& name) { return (m_dir / name).string(); }
    CFakeUi ui;
    CSaveOptions save;
    CLayerTable layers;
};

TEST_F(Document, LoadingReportsBadHeadersAndSkippedLines) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    EXPECT_TRUE(doc.Load("[TAVOLIN]"));
    EXPECT_TRUE(ui.m_messages.empty());
    EXPECT_TRUE(doc.Primitives().empty());
    EXPECT_FALSE(doc.Load("[TAVOLIB Lib]\r\n[1 a]\r\nLI 1 2 3 4\r\n"));
    EXPECT_FALSE(doc.Load("LI 1 2 3 4"));
    ASSERT_EQ(ui.m_messages.size(), 2u);
    EXPECT_EQ(ui.m_messages[0], "Errore: Formato del file non corretto.");
    EXPECT_TRUE(doc.Load("[MACROCAD Titolo]\r\nLI 1 2 3 4\r\nXX\r\n"));
    EXPECT_EQ(ui.m_messages.back(), "Attenzione: Sono stati incontrati uno o piu' errori in lettura. "
                                    "I comandi sconosciuti sono stati ignorati.");
    EXPECT_EQ(doc.m_strTitle, "Titolo");
    EXPECT_EQ(doc.Primitives().size(), 1u);
    EXPECT_EQ(doc.History().Count(), 1u);
}

TEST_F(Document, AFileThatCannotBeReadIsNotABadFormat) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    WriteFile("d.tvd", "[TAVOLIN]\r\nLI 1 2 3 4\r\n");
    EXPECT_TRUE(doc.LoadFile(Path("d.tvd")));
    EXPECT_TRUE(ui.m_messages.empty());
    EXPECT_FALSE(doc.LoadFile(Path("missing.tvd")));
    EXPECT_FALSE(doc.LoadFile(Path("libs"))); // a folder
    ASSERT_EQ(ui.m_messages.size(), 2u);
    EXPECT_EQ(ui.m_messages[0], "Errore: Impossibile aprire il file.");
    EXPECT_EQ(ui.m_messages[1], "Errore: Impossibile aprire il file.");
    WriteFile("nohdr.tvd", "LI 1 2 3 4\r\n");
    EXPECT_FALSE(doc.LoadFile(Path("nohdr.tvd")));
    EXPECT_EQ(ui.m_messages.back(), "Errore: Formato del file non corretto.");
}

TEST_F(Document, StoringWritesTheHeaderOfTheTemplateAndTheMacroRule) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    ASSERT_TRUE(doc.Load("[MACROCAD]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\n"));
    std::string text;
    ASSERT_TRUE(doc.Store("x.tvd", true, text));
    EXPECT_EQ(text, "[TAVOLIN ]\r\nLI 10 10 20 10\r\nMC 50 50 0 0 080\r\n");
    ASSERT_TRUE(doc.Store("x.tvd", false, text));
    EXPECT_EQ(text, "[TAVOLIN ]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\n");
    EXPECT_EQ(doc.Primitives().size(), 2u); // splitting does not change the document
}

TEST_F(Document, AMacroMayNotTakeTheKeyOfAStandardComponent) {
    const std::string path = Path("080.tvm");
    WriteFile("080.tvm", "old contents");
    CSchemoDoc doc(DOC_MACRO, &ui);
    doc.Load("[MACROCAD m]\r\nLI 1 2 3 4\r\n");
    doc.SetModified(true);
    EXPECT_FALSE(doc.Save(path, save));
    EXPECT_EQ(ui.m_messages.back(), "Errore: Il nome specificato per la macro e' gia' utilizzato "
                                    "per un componente della libreria standard.");
    EXPECT_EQ(ReadBack(path), "old contents");
    EXPECT_TRUE(doc.IsModified());
    std::string text;
    EXPECT_FALSE(doc.Store("080.TVM", true, text));
    // Names are compared with keys, lower-cased: "Resistore" is a title, not a key.
    EXPECT_TRUE(doc.Store("Resistore.tvm", true, text));
    EXPECT_TRUE(doc.Save(Path("mia.tvm"), save));
    EXPECT_EQ(ReadBack(Path("mia.tvm")), "[MACROCAD m]\r\nLI 1 2 3 4\r\n");
    EXPECT_FALSE(doc.IsModified());
    CSchemoDoc drawing(DOC_DRAWING, &ui);
    EXPECT_TRUE(drawing.Store("080.tvd", true, text)); // only macros are checked
}

TEST_F(Document, AFailedSaveLeavesTheTargetAndTheModifiedFlagAndNoLitter) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    doc.Load("[TAVOLIN t]\r\nLI 1 2 3 4\r\n");
    doc.SetModified(true);
    EXPECT_FALSE(doc.Save(Path("no/such/folder/x.tvd"), save));
    EXPECT_TRUE(doc.IsModified());
    std::filesystem::create_directories(m_dir / "taken.tvd"); // the rename cannot replace it
    WriteFile("taken.tvd/inside", "keep me");
    EXPECT_FALSE(doc.Save(Path("taken.tvd"), save));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadBack(Path("taken.tvd/inside")), "keep me");
    for (const auto& e : std::filesystem::directory_iterator(m_dir))
        EXPECT_EQ(e.path().filename().string().find("taken.tvd."), std::string::npos);
    EXPECT_EQ(ui.m_messages.back(),
              "Errore: Impossibile salvare il file " + Path("taken.tvd") +
                  ".\nEsiste gia' una cartella con questo nome");
}

// The message's second line says why, for each of the usual reasons.
TEST_F(Document, AFailedSaveSaysWhy) {
    WriteFile("file", "");
    std::filesystem::create_directories(m_dir / "locked");
    std::filesystem::permissions(m_dir / "locked", std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_exec);
    std::vector<std::pair<std::string, std::string>> cases = {
        {Path("no/such/folder/x.tvd"), "La cartella non esiste"},
        {Path("file/x.tvd"), "La cartella non esiste"},
        {Path(std::string(300, 'n') + ".tvd"), "Nome del file troppo lungo"},
    };
    if (::geteuid() != 0) cases.push_back({Path("locked/x.tvd"), "Permesso negato"}); // root writes anyway
    CSchemoDoc doc(DOC_DRAWING, &ui);
    doc.Load("[TAVOLIN t]\r\nLI 1 2 3 4\r\n");
    for (const auto& [path, cause] : cases) {
        EXPECT_FALSE(doc.Save(path, save));
        EXPECT_EQ(ui.m_messages.back(), "Errore: Impossibile salvare il file " + path + ".\n" + cause);
    }
    std::filesystem::permissions(m_dir / "locked", std::filesystem::perms::owner_all);
}

TEST_F(Document, SavingReplacesAnExistingFileWhole) {
    WriteFile("d.tvd", std::string(5000, 'x'));
    CSchemoDoc doc(DOC_DRAWING, &ui);
    doc.Load("[TAVOLIN]\r\nSA 1 1\r\n");
    ASSERT_TRUE(doc.Save(Path("d.tvd"), save));
    EXPECT_EQ(ReadBack(Path("d.tvd")), "[TAVOLIN ]\r\nSA 1 1\r\n");
}

TEST_F(Document, TheUnsplitWarningIsAskedOncePerRunAndCancelStopsTheSave) {
    save.bSplit = false;
    CSchemoDoc a(DOC_DRAWING, &ui), b(DOC_DRAWING, &ui);
    a.Load("[TAVOLIN]\r\nMC 10 10 0 0 parts.R1\r\n");
    b.Load("[TAVOLIN]\r\nMC 10 10 0 0 parts.R1\r\n");
    ui.m_answer = ANSWER_CANCEL;
    a.SetModified(true);
    EXPECT_FALSE(a.Save(Path("a.tvd"), save));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "a.tvd"));
    EXPECT_TRUE(a.IsModified());
    EXPECT_TRUE(b.Save(Path("b.tvd"), save)); // not asked again, saved unsplit
    EXPECT_EQ(ui.m_nQuestions, 1);
    EXPECT_FALSE(save.bWarn || save.bChoseSplit);
    EXPECT_EQ(ReadBack(Path("b.tvd")), "[TAVOLIN ]\r\nMC 10 10 0 0 parts.R1\r\n");
}

TEST_F(Document, AnsweringNoSplitsForTheRestOfTheRun) {
    save.bSplit = false;
    CSchemoDoc doc(DOC_DRAWING, &ui);
    doc.Load("[TAVOLIN]\r\nMC 10 10 0 0 parts.R1\r\nMC 0 0 0 0 080\r\n");
    ui.m_answer = ANSWER_NO;
    ASSERT_TRUE(doc.Save(Path("n.tvd"), save));
    EXPECT_TRUE(save.bChoseSplit); // the caller keeps it in the settings
    EXPECT_EQ(ReadBack(Path("n.tvd")), "[TAVOLIN ]\r\nLI 10 10 20 10\r\nMC 0 0 0 0 080\r\n");
}

TEST_F(Document, NoWarningWithoutNonStandardMacrosOrWhenSwitchedOff) {
    save.bSplit = false;
    CSchemoDoc doc(DOC_DRAWING, &ui);
    doc.Load("[TAVOLIN]\r\nMC 0 0 0 0 080\r\n");
    EXPECT_TRUE(doc.CheckNonStandardMacros(save));
    doc.Load("[TAVOLIN]\r\nMC 0 0 0 0 parts.R1\r\n");
    save.bNeverWarn = true;
    EXPECT_TRUE(doc.CheckNonStandardMacros(save));
    EXPECT_EQ(ui.m_nQuestions, 0);
}

TEST_F(Document, SnapshotsKeepMacrosAsReferences) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    doc.Load("[TAVOLIN]\r\nMC 10 10 0 0 parts.R1\r\n");
    doc.Append(Read("SA 1 1"));
    doc.PushUndoSnapshot();
    doc.Undo();
    doc.Redo();
    std::string text;
    doc.Store("x.tvd", false, text);
    EXPECT_EQ(text, "[TAVOLIN ]\r\nMC 10 10 0 0 parts.R1\r\nSA 1 1\r\n");
}

TEST_F(Document, ExtentCoversRegionsOnShownLayersOnly) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    doc.Load("[TAVOLIN]\r\nRP 10 10 20 20\r\nRP 100 100 200 200 2\r\nRP 0 0 5 5 99\r\n");
    CRecordingSurface dc;
    doc.UpdateRegions(dc);
    CRect r{-7, -7, -7, -7};
    ASSERT_TRUE(doc.GetExtent(layers, r));
    EXPECT_EQ(r, (CRect{10, 10, 200, 200}));
    layers.m_bLayerShow[2] = 0;
    ASSERT_TRUE(doc.GetExtent(layers, r));
    EXPECT_EQ(r, (CRect{10, 10, 20, 20}));
    layers.m_bLayerShow[0] = 0;
    r = {-7, -7, -7, -7};
    EXPECT_FALSE(doc.GetExtent(layers, r));
    EXPECT_EQ(r, (CRect{-7, -7, -7, -7}));
}
