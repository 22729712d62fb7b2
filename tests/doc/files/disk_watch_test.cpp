// A document's file changed by another program: asked once per change, when
// the program is active; reloading is a step of the history; saving over a
// changed file asks first.
#include "doc/files/disk_watch.h"
#include "support/program_dir_fixture.h"

namespace {
const std::string ONE = "[TAVOLIN]\r\nLI 1 2 3 4\r\n";
const std::string TWO = ONE + "LI 5 6 7 8\r\n";
const std::string ASK = "Attenzione: " + ReloadQuestion("a.tvd") + " (S\xEC)";
} // namespace

class DiskWatch : public ProgramDirTest {
  protected:
    std::string Path() const { return (m_dir / "a.tvd").string(); }
    void Open(CSchemoDoc& doc) {
        WriteFile("a.tvd", ONE);
        ASSERT_TRUE(doc.LoadFile(Path()));
        watch.Remember(Path());
    }
    CFakeUi ui;
    CDiskWatch watch;
};

// Every change is seen again by a second event, which asks nothing more. A
// file touched, or written with the same bytes, is no change, also after a
// reload; one put in place of it is, even with its size and time.
TEST_F(DiskWatch, AnotherProgramsChangeIsAskedOnceWhenActive) {
    enum { NONE, OURS, TOUCH, APPEND, RENAME, SWAP, REMOVE };
    const struct {
        int nChange;
        bool bActive;
        Answer answer;
        std::string told;
        std::size_t nPrims;
        bool bModified;
    } rows[] = {
        {NONE, true, ANSWER_YES, "", 1, false},
        {OURS, true, ANSWER_YES, "", 1, false},
        {TOUCH, true, ANSWER_YES, "", 1, false},
        {APPEND, true, ANSWER_YES, ASK, 2, false},
        {APPEND, true, ANSWER_NO, ASK, 1, true},
        {APPEND, false, ANSWER_YES, ASK, 2, false},
        {RENAME, true, ANSWER_YES, ASK, 2, false},
        {SWAP, true, ANSWER_YES, ASK, 1, false},
        {REMOVE, true, ANSWER_YES, "Attenzione: " + RemovedMessage("a.tvd"), 1, true},
    };
    const auto touch = [this](std::chrono::hours ago) {
        std::filesystem::last_write_time(Path(),
                                         std::filesystem::file_time_type::clock::now() - ago);
    };
    for (const auto& r : rows) {
        CFakeUi ui;
        ui.m_answer = r.answer;
        CSchemoDoc doc(DOC_DRAWING, &ui, Ctx());
        Open(doc);
        CSaveOptions options;
        if (r.nChange == OURS) {
            std::string written;
            ASSERT_TRUE(doc.Save(Path(), options, &written));
            watch.RememberSaved(Path(), written);
        }
        if (r.nChange == TOUCH) touch(std::chrono::hours(1));
        if (r.nChange == APPEND) WriteFile("a.tvd", TWO);
        if (r.nChange == RENAME) {
            WriteFile("b.tvd", TWO);
            std::rename((m_dir / "b.tvd").c_str(), Path().c_str());
        }
        if (r.nChange == SWAP) {
            WriteFile("b.tvd", "[TAVOLIN]\r\nLI 1 2 3 5\r\n");
            std::filesystem::last_write_time(m_dir / "b.tvd",
                                             std::filesystem::last_write_time(Path()));
            std::rename((m_dir / "b.tvd").c_str(), Path().c_str());
        }
        if (r.nChange == REMOVE) std::remove(Path().c_str());
        watch.OnFileEvent(r.bActive, doc, "a.tvd");
        EXPECT_EQ(ui.m_asked.size() + ui.m_messages.size(), r.bActive ? r.told.size() > 0 : 0);
        watch.OnActivated(doc, "a.tvd");
        EXPECT_EQ(ui.Told(), r.told) << r.nChange;
        watch.OnFileEvent(true, doc, "a.tvd");
        EXPECT_EQ(ui.Told(), r.told) << r.nChange;
        if (r.answer == ANSWER_YES && r.nChange != REMOVE) {
            touch(std::chrono::hours(2));
            watch.OnFileEvent(true, doc, "a.tvd");
            EXPECT_EQ(ui.Told(), r.told) << r.nChange;
        }
        EXPECT_EQ(doc.Primitives().size(), r.nPrims) << r.nChange;
        EXPECT_EQ(doc.IsModified(), r.bModified) << r.nChange;
    }
}

// Moved away and back while the program was not active: nothing to ask.
TEST_F(DiskWatch, AFileBackAsItWasByTheActivationAsksNothing) {
    CSchemoDoc doc(DOC_DRAWING, &ui, Ctx());
    Open(doc);
    const std::string away = (m_dir / "b.tvd").string();
    std::rename(Path().c_str(), away.c_str());
    watch.OnFileEvent(false, doc, "a.tvd");
    ASSERT_TRUE(watch.IsPending());
    std::rename(away.c_str(), Path().c_str());
    watch.OnActivated(doc, "a.tvd");
    EXPECT_EQ(ui.Told(), "");
    EXPECT_FALSE(doc.IsModified() || watch.IsPending());
}

TEST_F(DiskWatch, UndoBringsBackWhatWasThereBeforeTheReload) {
    CSchemoDoc doc(DOC_DRAWING, &ui, Ctx());
    Open(doc);
    WriteFile("a.tvd", TWO + "LI 9 9 9 9\r\n");
    watch.OnFileEvent(true, doc, "a.tvd");
    ASSERT_EQ(doc.Primitives().size(), 3u);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Primitives().size(), 1u);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Redo());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DiskWatch, ALibrarysReloadAsksAndCannotBeUndone) {
    CSchemoLibDoc lib(&ui, Ctx());
    WriteFile("a.tvd", "[TAVOLIB L]\r\n[K1 uno]\r\nLI 1 2 3 4\r\n");
    ASSERT_TRUE(lib.LoadFile(Path()));
    watch.Remember(Path());
    WriteFile("a.tvd", "[TAVOLIB L]\r\n[K1 uno]\r\nLI 1 2 3 4\r\n[K2 due]\r\nLI 1 1 2 2\r\n");
    watch.OnFileEvent(true, lib, "a.tvd");
    EXPECT_EQ(ui.Told(), ASK);
    EXPECT_EQ(lib.ComponentTexts().size(), 2u);
    EXPECT_FALSE(lib.CanUndo());
    EXPECT_FALSE(lib.IsModified());
}

// A file changed into what is no drawing, or no library, leaves the document
// as it was; the message names the file.
TEST_F(DiskWatch, AChangeThatCannotBeReadIsToldWithTheFilesName) {
    CSchemoDoc doc(DOC_DRAWING, &ui, Ctx());
    Open(doc);
    CSchemoLibDoc lib(&ui, Ctx());
    WriteFile("b.tvd", "[TAVOLIB L]\r\n[K1 uno]\r\n");
    ASSERT_TRUE(lib.LoadFile((m_dir / "b.tvd").string()));
    CDiskWatch libWatch;
    libWatch.Remember((m_dir / "b.tvd").string());
    WriteFile("a.tvd", "garbage");
    WriteFile("b.tvd", "garbage");
    watch.OnFileEvent(true, doc, "a.tvd");
    libWatch.OnFileEvent(true, lib, "b.tvd");
    EXPECT_EQ(ui.Told(), "Errore: " + std::string(MSG_BAD_FORMAT) + "\n" + Path() +
                             "|Errore: " + MSG_BAD_FORMAT + "\n" + (m_dir / "b.tvd").string() +
                             "|" + ASK + "|Attenzione: " + ReloadQuestion("b.tvd") + " (S\xEC)");
    EXPECT_EQ(doc.Primitives().size(), 1u);
    EXPECT_EQ(lib.ComponentTexts().size(), 1u);
}

// Edits not saved leave with a reload: the question says so, and whether
// Undo brings them back (a library's reload cannot be undone).
TEST_F(DiskWatch, TheReloadQuestionWarnsOfEditsNotSaved) {
    const std::string lost = "\nLe modifiche non salvate andranno perse.";
    const std::string undone =
        "\nLe modifiche non salvate andranno perse; Undo le riporta indietro.";
    for (bool bLibrary : {false, true})
        for (bool bEdited : {false, true}) {
            CFakeUi ui;
            ui.m_answer = ANSWER_NO;
            std::unique_ptr<CSchemoDoc> doc;
            if (bLibrary)
                doc = std::make_unique<CSchemoLibDoc>(&ui, Ctx());
            else
                doc = std::make_unique<CSchemoDoc>(DOC_DRAWING, &ui, Ctx());
            WriteFile("a.tvd", bLibrary ? "[TAVOLIB L]\r\n[K1 uno]\r\nLI 1 2 3 4\r\n" : ONE);
            ASSERT_TRUE(doc->LoadFile(Path()));
            watch.Remember(Path());
            if (bEdited) doc->SetModified(true);
            WriteFile("a.tvd", bLibrary ? "[TAVOLIB L]\r\n[K1 due]\r\nSA 1 2\r\n" : TWO);
            watch.OnFileEvent(true, *doc, "a.tvd");
            const std::string warning = !bEdited ? "" : bLibrary ? lost : undone;
            EXPECT_EQ(ui.Told(), "Attenzione: " + ReloadQuestion("a.tvd") + warning + " (S\xEC)")
                << bLibrary << bEdited;
        }
}

// "No" is the default and leaves the file as the other program wrote it.
TEST_F(DiskWatch, SavingOverAFileChangedOnDiskAsksFirst) {
    const struct {
        const char* change; // null: none
        bool bOtherPath;
        Answer answer;
        bool bMay;
    } rows[] = {
        {nullptr, false, ANSWER_NO, true},
        {"", false, ANSWER_NO, false},
        {"", false, ANSWER_YES, true},
        {"", true, ANSWER_NO, true},
    };
    for (const auto& r : rows) {
        CFakeUi ui;
        ui.m_answer = r.answer;
        CSchemoDoc doc(DOC_DRAWING, &ui, Ctx());
        Open(doc);
        if (r.change) WriteFile("a.tvd", TWO);
        WriteFile("b.tvd", ONE); // Save As over another file: its dialog asked
        const std::string path = r.bOtherPath ? (m_dir / "b.tvd").string() : Path();
        EXPECT_EQ(watch.MayOverwrite(path, &ui, "a.tvd"), r.bMay);
        EXPECT_EQ(ui.Told(),
                  r.change && !r.bOtherPath ? "Attenzione: " + OverwriteQuestion("a.tvd") : "");
    }
}
