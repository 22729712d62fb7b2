// Loading, storing and saving drawings and macros, the unsplit-macro warning,
// and the extent.
#include "support/program_dir_fixture.h"

namespace {
const std::string ERR = "Errore: ";
const char* const WITH_R1 = "[TAVOLIN]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\n";
} // namespace

class Document : public ProgramDirTest {
  protected:
    void SetUp() override {
        ProgramDirTest::SetUp();
        WriteFile("libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nLI 100 100 110 100\r\n");
    }
    std::string ReadBack(const std::string& path) {
        std::stringstream ss;
        ss << std::ifstream(path, std::ios::binary).rdbuf();
        return ss.str();
    }
    std::string Path(const std::string& name) { return (m_dir / name).string(); }
    CFakeUi ui;
};

// An unreadable file is no bad format; a missing header or a library is. Lines
// refused and primitives that no layer shows are told apart.
TEST_F(Document, LoadingTellsWhatWentWrong) {
    const struct {
        const char *name, *text; // null: no such file
        std::string told;
        const char* loaded; // the primitives' count and the title
    } rows[] = {
        {"a.tvd", "[TAVOLIN]", "", "0 "},
        {"b.tvm", "[MACROCAD Titolo]\r\nLI 1 2 3 4\r\nXX\r\n",
         std::string("Attenzione: ") + MSG_READ_ERRORS, "1 Titolo"},
        {"e.tvd", "[TAVOLIN]\r\nLI 1 2 3 4 99\r\n", std::string("Attenzione: ") + MSG_NO_LAYER,
         "1 "},
        {"f.tvd", "[TAVOLIN]\r\nLI 1 2 3 4 99\r\nLI 1 2 3\r\n",
         std::string("Attenzione: ") + MSG_READ_ERRORS + "\n" + MSG_NO_LAYER, "1 "},
        {"c.tvd", "[TAVOLIB Lib]\r\n[1 a]\r\nLI 1 2 3 4\r\n", ERR + MSG_BAD_FORMAT + "\n@", "0 "},
        {"d.tvd", "LI 1 2 3 4\r\n", ERR + MSG_BAD_FORMAT + "\n@", "0 "},
        {"missing.tvd", nullptr, ERR + MSG_CANNOT_OPEN + "\n@", "0 "},
        {"libs", nullptr, ERR + MSG_CANNOT_OPEN + "\n@", "0 "}, // a folder
    };
    for (const auto& r : rows) {
        if (r.text) WriteFile(r.name, r.text);
        CFakeUi ui;
        CSchemoDoc doc(DOC_DRAWING, &ui, Ctx());
        std::string told = r.told; // "@": the file's name on a line of its own
        if (!told.empty() && told.back() == '@') told.replace(told.size() - 1, 1, Path(r.name));
        EXPECT_EQ(doc.LoadFile(Path(r.name)), told.find("Errore") == std::string::npos);
        EXPECT_EQ(ui.Told(), told);
        EXPECT_EQ(std::to_string(doc.Primitives().size()) + " " + doc.m_strTitle, r.loaded);
    }
    // A library names its file alike.
    for (const char* name : {"d.tvd", "missing.tvl"}) {
        CFakeUi ui;
        CSchemoLibDoc lib(&ui, Ctx());
        EXPECT_FALSE(lib.LoadFile(Path(name)));
        EXPECT_EQ(ui.Told(),
                  ERR + (*name == 'd' ? MSG_BAD_FORMAT : MSG_CANNOT_OPEN) + "\n" + Path(name));
    }
}

// A save replaces the file whole. A refused or failed one leaves it as it
// was, the document modified and no file behind, and the message says why.
// Writing non-standard macros unsplit is asked once per run; "No" splits from
// then on, "Annulla" stops the save. Only macros may not take a standard key
// (compared lower-cased: "Resistore" is a title), libraries never ask, and the
// history keeps macros as references.
TEST_F(Document, SavingReplacesTheFileWholeOrLeavesItAlone) {
    WriteFile("080.TVM", "old contents");
    WriteFile("Resistore.tvm", std::string(5000, 'x'));
    WriteFile("file", "");
    std::filesystem::create_directories(m_dir / "taken.tvd"); // the rename cannot replace it
    WriteFile("taken.tvd/inside", "keep me");
    std::filesystem::create_directories(m_dir / "locked");
    std::filesystem::permissions(m_dir / "locked", std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_exec);
    const std::string MACRO = "[MACROCAD m]\r\nLI 1 2 3 4\r\n";
    const std::string ASK = std::string("Attenzione: ") + MSG_NON_STANDARD_MACROS;
    const std::string UNSPLIT = "[TAVOLIN ]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\n";
    const std::string LIB = "[TAVOLIB L]\r\n[A a]\r\nMC 100 100 0 0 parts.R1\r\n";
    struct Row {
        std::string text, path;
        std::string told; // a cause alone: the save failed
        const char* written;
        bool bWarn = true, bNeverWarn = false;
        Answer answer = ANSWER_CANCEL;
    };
    std::vector<Row> rows = {
        {MACRO, "Resistore.tvm", "", MACRO.c_str()},
        {MACRO, "080.TVM", ERR + MSG_STANDARD_NAME, nullptr},
        {MACRO, "no/such/folder/x.tvm", "La cartella non esiste", nullptr},
        {MACRO, "file/x.tvm", "La cartella non esiste", nullptr},
        {MACRO, std::string(300, 'n') + ".tvm", "Nome del file troppo lungo", nullptr},
        {MACRO, "taken.tvd", "Esiste gia' una cartella con questo nome", nullptr},
        {WITH_R1, "080.tvd", ASK, nullptr},
        {WITH_R1, "080.tvd", "", UNSPLIT.c_str(), false},
        {WITH_R1, "080.tvd", "", UNSPLIT.c_str(), true, true},
        {WITH_R1, "080.tvd", ASK, "[TAVOLIN ]\r\nLI 10 10 20 10\r\nMC 50 50 0 0 080\r\n", true,
         false, ANSWER_NO},
        {"[TAVOLIN]\r\nMC 0 0 0 0 080\r\n", "080.tvd", "", "[TAVOLIN ]\r\nMC 0 0 0 0 080\r\n"},
        {LIB, "080.tvd", "", LIB.c_str()},
    };
    if (::geteuid() != 0) // root writes anyway
        rows.push_back({MACRO, "locked/x.tvm", "Permesso negato", nullptr});
    for (const Row& r : rows) {
        CFakeUi ui;
        ui.m_answer = r.answer;
        std::unique_ptr<CSchemoDoc> doc =
            r.text == LIB ? std::make_unique<CSchemoLibDoc>(&ui, Ctx())
                          : std::make_unique<CSchemoDoc>(r.text == MACRO ? DOC_MACRO : DOC_DRAWING,
                                                         &ui, Ctx());
        ASSERT_TRUE(doc->Load(r.text));
        doc->CommitChange();
        ASSERT_TRUE(doc->Undo() && doc->Redo());
        CSaveOptions save{false, r.bNeverWarn, r.bWarn};
        const std::string before = ReadBack(Path(r.path));
        EXPECT_EQ(doc->Save(Path(r.path), save), r.written != nullptr) << r.path;
        EXPECT_EQ(ui.Told(),
                  r.told.empty() || r.told.find(':') != std::string::npos
                      ? r.told
                      : ERR + "Impossibile salvare il file " + Path(r.path) + ".\n" + r.told);
        EXPECT_EQ(ReadBack(Path(r.path)), r.written ? r.written : before);
        EXPECT_EQ(doc->IsModified(), r.written == nullptr);
        EXPECT_EQ(save.bWarn, r.bWarn && r.told != ASK);    // cleared when asked
        EXPECT_EQ(save.bChoseSplit, r.answer == ANSWER_NO); // the caller keeps it
        std::filesystem::remove(m_dir / "080.tvd");
    }
    std::filesystem::permissions(m_dir / "locked", std::filesystem::perms::owner_all);
    // No file left behind: the seven made above, "libs" and "macros" among them.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 7);
    EXPECT_EQ(ReadBack(Path("taken.tvd/inside")), "keep me");
}

// What autosave writes: the bytes of a save, unsplit, found without asking
// anything and leaving the document modified; a library's typed titles go in.
TEST_F(Document, SaveBytesAreWhatASaveWrites) {
    for (const bool bLibrary : {false, true}) {
        std::unique_ptr<CSchemoDoc> doc;
        if (bLibrary)
            doc = std::make_unique<CSchemoLibDoc>(&ui, Ctx());
        else
            doc = std::make_unique<CSchemoDoc>(DOC_DRAWING, &ui, Ctx());
        ASSERT_TRUE(
            doc->Load(bLibrary ? "[TAVOLIB L]\r\n[R1 Resistenza]\r\n[C1 Cond]\r\n" : WITH_R1));
        doc->Append(Read("LI 5 5 50 5"));
        doc->CommitChange();
        if (bLibrary) {
            static_cast<CSchemoLibDoc&>(*doc).Fields().SetKey("R9");
            static_cast<CSchemoLibDoc&>(*doc).Fields().SetTitle("Nuova");
        }
        const std::string bytes = doc->SaveBytes(false);
        EXPECT_EQ("", ui.Told());
        EXPECT_TRUE(doc->IsModified());
        CSaveOptions options;
        options.bSplit = false;
        options.bNeverWarn = true;
        std::string written;
        ASSERT_TRUE(doc->Save(Path("saved"), options, &written));
        EXPECT_EQ(bytes, ReadBack(Path("saved")));
        EXPECT_EQ(bytes, written);
        EXPECT_NE(std::string::npos, bytes.find(bLibrary ? "[R9 Nuova]\r\nLI 5 5 50 5\r\n[C1"
                                                         : "parts.R1\r\nMC 50 50 0 0 080\r\nLI"));
    }
}

// Hiding layers 2 and then 0 in turn; with nothing left the rectangle is untouched.
TEST_F(Document, ExtentCoversRegionsOnShownLayersOnly) {
    CSchemoDoc doc(DOC_DRAWING, &ui, Ctx());
    doc.Load("[TAVOLIN]\r\nRP 10 10 20 20\r\nRP 100 100 200 200 2\r\nRP 0 0 5 5 99\r\n");
    CRecordingSurface dc;
    doc.UpdateRegions(dc);
    CLayerTable layers;
    for (const CRect want :
         {CRect{10, 10, 200, 200}, CRect{10, 10, 20, 20}, CRect{-7, -7, -7, -7}}) {
        CRect r{-7, -7, -7, -7};
        EXPECT_EQ(doc.GetExtent(layers, r), want.left != -7);
        EXPECT_EQ(r, want);
        layers.m_bLayerShow[layers.m_bLayerShow[2] ? 2 : 0] = 0;
    }
}
