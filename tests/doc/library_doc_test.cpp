// The library document: new libraries, switching, adding and removing
// components, the title checks, numbering, and saving what was read.
#include "../format/program_dir_fixture.h"
#include "../test_util.h"
#include "doc/library_doc.h"
#include "fake_ui.h"

#include <fstream>
#include <sstream>

namespace {
const char* const TWO = "[TAVOLIB Due]\r\n[A1 Primo]\r\nLI 100 100 110 100\r\n[B2 Secondo]\r\n";

std::string Saved(CSchemoLibDoc& doc) {
    std::string text;
    EXPECT_TRUE(doc.Store("lib.tvl", true, text));
    return text;
}

std::vector<std::string> Keys(const CSchemoLibDoc& doc) {
    std::vector<std::string> keys;
    for (const std::string& t : doc.ComponentTexts())
        keys.push_back(t.substr(1, t.find(' ') - 1));
    return keys;
}
} // namespace

class LibraryDoc : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.m_onFrameComponent = [this] { ++m_nFits; };
    }
    void Type(const std::string& key, const std::string& title) {
        doc.Fields().SetKey(key);
        doc.Fields().SetTitle(title);
    }
    CFakeUi ui;
    CSchemoLibDoc doc{&ui};
    int m_nFits = 0;
};

TEST_F(LibraryDoc, ANewLibrarySavedAtOnceHoldsOneEmptyComponent) {
    doc.OnNewDocument(1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Fields().GetKey(), "M01");
    EXPECT_EQ(doc.Fields().GetTitle(), "Componente 1");
    EXPECT_EQ(Saved(doc), "[TAVOLIB Nuova libreria 1]\r\n[M01 Componente 1]\r\n");
    EXPECT_TRUE(ui.m_messages.empty());
}

TEST_F(LibraryDoc, NewComponentsTakeTheNextFreeNumberAndTheirPlace) {
    const struct {
        const char* library;
        CSchemoLibDoc::Place place;
        int nShow;
        std::vector<std::string> keys;
        int nCurrent;
        const char* title;
    } cases[] = {
        {"[TAVOLIB L]\n[M01 a]\n[M02 b]\n",
         CSchemoLibDoc::PLACE_AFTER,
         1,
         {"M01", "M02", "M03"},
         2,
         "Componente 3"},
        {"[TAVOLIB L]\n[M02 a]\n[X b]\n",
         CSchemoLibDoc::PLACE_END,
         0,
         {"M02", "X", "M01"},
         2,
         "Componente 1"},
        {"[TAVOLIB L]\n[M01 a]\n[X b]\n",
         CSchemoLibDoc::PLACE_AFTER,
         0,
         {"M01", "M02", "X"},
         1,
         "Componente 2"},
        {"[TAVOLIB L]\n[M01 a]\n[X b]\n",
         CSchemoLibDoc::PLACE_BEFORE,
         1,
         {"M01", "M02", "X"},
         1,
         "Componente 2"},
        {"[TAVOLIB L]\n[X b]\n", CSchemoLibDoc::PLACE_BEFORE, 0, {"M01", "X"}, 0, "Componente 1"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(doc.Load(c.library));
        ASSERT_TRUE(doc.SwitchTo(c.nShow));
        EXPECT_TRUE(doc.NewComponent(c.place));
        EXPECT_EQ(Keys(doc), c.keys) << c.library;
        EXPECT_EQ(doc.Current(), c.nCurrent);
        EXPECT_EQ(doc.Fields().GetTitle(), c.title);
        EXPECT_EQ(doc.Titles()[std::size_t(c.nCurrent)], c.title);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(doc.Primitives().empty());
    }
}

TEST_F(LibraryDoc, RefusedTitlesKeepTheOldOnesAndTheUserOnTheComponent) {
    const struct {
        const char* key;
        const char* title;
        const char* message;
    } cases[] = {
        {"ABCDEFGHI", "Nuovo",
         "Tavolin: Il nome breve del componente di libreria deve essere "
         "composto da soli caratteri alfanumerici, e non deve essere piu' "
         "lungo di 8 caratteri."},
        {"A-1", "Nuovo", nullptr},
        {"A1", "", "Tavolin: Sia il titolo breve che quello lungo devono essere specificati."},
        {"", "", "Tavolin: Sia il titolo breve che quello lungo devono essere specificati."},
        {"B2", "Nuovo", "Tavolin: Il nome breve del componente di libreria e' gia' utilizzato."},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(doc.Load(TWO));
        ui.m_messages.clear();
        doc.Append(Read("LI 100 100 100 120"));
        Type(c.key, c.title);
        EXPECT_FALSE(doc.SwitchTo(1)) << c.key;
        ASSERT_EQ(ui.m_messages.size(), 1u);
        if (c.message) {
            EXPECT_EQ(ui.m_messages[0], c.message);
        }
        EXPECT_EQ(doc.Current(), 0);
        EXPECT_EQ(static_cast<CLibraryFields&>(doc.Fields()).m_nIndex, 0);
        EXPECT_EQ(doc.ComponentTexts()[0],
                  "[A1 Primo]\r\nLI 100 100 110 100\r\nLI 100 100 100 120\r\n");
        EXPECT_FALSE(doc.NewComponent(CSchemoLibDoc::PLACE_END));
        std::string text;
        EXPECT_FALSE(doc.Store("lib.tvl", true, text));
        EXPECT_EQ(doc.ComponentTexts().size(), 2u);
    }
}

TEST_F(LibraryDoc, SwitchingStoresTheShownComponentAndShowsTheOther) {
    ASSERT_TRUE(doc.Load(TWO));
    EXPECT_EQ(m_nFits, 0);
    EXPECT_EQ(doc.Primitives().size(), 1u);
    doc.Append(Read("LI 100 100 100 120"));
    doc.CommitChange();
    Type("A1", "Primo nuovo");
    EXPECT_TRUE(doc.SwitchTo(1));
    EXPECT_EQ(m_nFits, 1);
    EXPECT_TRUE(doc.Primitives().empty());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.Fields().GetKey(), "B2");
    EXPECT_EQ(doc.Titles(), (std::vector<std::string>{"Primo nuovo", "Secondo"}));
    EXPECT_TRUE(doc.SwitchTo(0));
    EXPECT_EQ(doc.Primitives().size(), 2u);
    EXPECT_EQ(doc.Fields().GetTitle(), "Primo nuovo");
    EXPECT_EQ(Saved(doc), "[TAVOLIB Due]\r\n[A1 Primo nuovo]\r\nLI 100 100 110 100\r\n"
                          "LI 100 100 100 120\r\n[B2 Secondo]\r\n");
}

TEST_F(LibraryDoc, SavingKeepsTheHistoryAndTheView) {
    ASSERT_TRUE(doc.Load(TWO));
    doc.Append(Read("LI 100 100 100 120"));
    doc.CommitChange();
    Saved(doc);
    EXPECT_TRUE(doc.CanUndo());
    EXPECT_EQ(m_nFits, 0);
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Primitives().size(), 1u);
}

TEST_F(LibraryDoc, CategoriesAndHiddenComponentsAreSavedAsRead) {
    const struct {
        const char* read;
        const char* written;
    } cases[] = {
        {"[TAVOLIB Lib]\r\n[U1 u]\r\n{Base}\r\n[B1 b]\r\nLI 100 100 110 100\r\n[B2 b]\r\n"
         "{hidden}\r\n[H1 h]\r\n",
         nullptr},
        {"[TAVOLIB Lib]\n{A}\n[A1 a]\n{}\n[U1 u]\n{Hidden}\n[H1 h]\n",
         "[TAVOLIB Lib]\r\n{A}\r\n[A1 a]\r\n{}\r\n[U1 u]\r\n{Hidden}\r\n[H1 h]\r\n"},
        {"[TAVOLIB Lib]\n{A} note\n{B\n\n[B1 b]\n  LI 100 100 110 100  \n",
         "[TAVOLIB Lib]\r\n{B}\r\n[B1 b]\r\nLI 100 100 110 100\r\n"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(doc.Load(c.read));
        EXPECT_EQ(Saved(doc), c.written ? c.written : c.read);
    }
}

TEST_F(LibraryDoc, ANewComponentJoinsTheCategoryOfTheShownOne) {
    ASSERT_TRUE(doc.Load("[TAVOLIB Lib]\r\n[U1 u]\r\n{hidden}\r\n[H1 h]\r\n"));
    ASSERT_TRUE(doc.SwitchTo(1));
    ASSERT_TRUE(doc.NewComponent(CSchemoLibDoc::PLACE_BEFORE));
    EXPECT_EQ(Saved(doc),
              "[TAVOLIB Lib]\r\n[U1 u]\r\n{hidden}\r\n[M01 Componente 1]\r\n[H1 h]\r\n");
}

TEST_F(LibraryDoc, ABrokenHeaderIsListedNeverStoredAndWrittenBack) {
    const std::string text = "[TAVOLIB L]\r\n[X1 rotto\r\nLI 1 2 3 4 ]\r\n[B2 ok]\r\n";
    ASSERT_TRUE(doc.Load(text));
    EXPECT_EQ(ui.m_nBeeps, 1);
    EXPECT_FALSE(doc.IsComponentShown());
    EXPECT_TRUE(doc.Primitives().empty());
    EXPECT_EQ(doc.Titles(), (std::vector<std::string>{"[X1 rotto", "ok"}));
    EXPECT_EQ(doc.Fields().GetTitle(), "[X1 rotto");
    doc.Append(Read("LI 100 100 100 120"));
    EXPECT_TRUE(doc.SwitchTo(1));
    EXPECT_TRUE(doc.IsComponentShown());
    EXPECT_EQ(doc.Fields().GetKey(), "B2");
    EXPECT_EQ(Saved(doc), text);
    EXPECT_TRUE(doc.SwitchTo(0));
    EXPECT_EQ(ui.m_nBeeps, 2);
    EXPECT_TRUE(doc.Primitives().empty());
    EXPECT_EQ(Saved(doc), text);
    EXPECT_TRUE(ui.m_messages.empty());
}

TEST_F(LibraryDoc, RemovingAsksFirst) {
    const struct {
        const char* library;
        Answer answer;
        const char* question;
        std::vector<std::string> keysAfter;
    } cases[] = {
        {"[TAVOLIB L]\n[R1 a]\n[R2 b]\n",
         ANSWER_YES,
         "Tavolin: Rimuovere il componente R1?",
         {"R2"}},
        {"[TAVOLIB L]\n[R1 a]\n[R2 b]\n",
         ANSWER_NO,
         "Tavolin: Rimuovere il componente R1?",
         {"R1", "R2"}},
        {"[TAVOLIB L]\n[R1]\n", ANSWER_YES, "Tavolin: Rimuovere il componente?", {"M01"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(doc.Load(c.library));
        ui.m_yesNo.clear();
        ui.m_yesNoAnswer = c.answer;
        EXPECT_EQ(doc.RemoveCurrentComponent(), c.answer == ANSWER_YES);
        EXPECT_EQ(ui.m_yesNo, std::vector<std::string>{c.question});
        EXPECT_EQ(doc.IsModified(), c.answer == ANSWER_YES);
        std::vector<std::string> keys;
        for (const std::string& t : doc.ComponentTexts())
            keys.push_back(t.substr(1, t.find_first_of(" ]") - 1));
        EXPECT_EQ(keys, c.keysAfter);
    }
}

TEST_F(LibraryDoc, RemovingShowsTheComponentBefore) {
    ASSERT_TRUE(doc.Load("[TAVOLIB L]\n[R1 a]\n[R2 b]\n[R3 c]\n"));
    ASSERT_TRUE(doc.SwitchTo(2));
    ASSERT_TRUE(doc.RemoveCurrentComponent());
    EXPECT_EQ(doc.Current(), 1);
    EXPECT_EQ(doc.Fields().GetKey(), "R2");
    EXPECT_EQ(doc.Titles(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(LibraryDoc, NumberingChangesTheKeysOnlyOnOk) {
    ASSERT_TRUE(doc.Load("[TAVOLIB L]\n[A a]\nLI 100 100 110 100\n[B b]\n[C]\n"));
    doc.BeginNumbering(); // then "Annulla": nothing more happens
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.ApplyNumbering({"R-", 1, 1, false}));
    EXPECT_FALSE(doc.ApplyNumbering({"ABCDEFG", 10, 1, false}));
    EXPECT_FALSE(doc.IsModified());
    ASSERT_EQ(ui.m_messages.size(), 2u);
    EXPECT_EQ(ui.m_messages[0], "Tavolin: Il prefisso adottato e' invalido. I nomi brevi possono "
                                "essere composti soltanto da caretteri alfanumerici o dal "
                                "sottotratto.");
    EXPECT_EQ(ui.m_messages[1], "Tavolin: Con le impostazioni attuali, uno o piu' titoli brevi "
                                "occuperebbero piu' degli 8 caratteri consentiti. Accorciare il "
                                "prefisso e/o ridurre il numero di partenza e/o l'incremento.");
    EXPECT_TRUE(doc.ApplyNumbering({"R", 8, 1, true}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Fields().GetKey(), "R08");
    EXPECT_EQ(m_nFits, 1);
    EXPECT_EQ(Saved(doc), "[TAVOLIB L]\r\n[R08 a]\r\nLI 100 100 110 100\r\n[R09 b]\r\n[R10 C]\r\n");
}

TEST_F(LibraryDoc, NumberingSaysWhenAComponentCouldNotBeNumbered) {
    ASSERT_TRUE(doc.Load("[TAVOLIB L]\n[A a]\n[B rotto\n"));
    EXPECT_TRUE(doc.ApplyNumbering({"M", 1, 1, false}));
    EXPECT_EQ(ui.m_messages, std::vector<std::string>{
                                 "Tavolin: Sono stati incontrati uno o piu' errori in fase di "
                                 "numerazione. Alcuni componenti potrebbero non essere stati "
                                 "numerati correttamente."});
    EXPECT_EQ(doc.ComponentTexts(), (std::vector<std::string>{"[M1 a]\n", "[B rotto\n"}));
}

TEST_F(LibraryDoc, OnlyLibrariesOpen) {
    EXPECT_FALSE(doc.Load("[TAVOLIN Disegno]\r\nLI 1 2 3 4\r\n"));
    EXPECT_EQ(ui.m_messages, std::vector<std::string>{"Errore: Formato del file non corretto."});
    EXPECT_TRUE(doc.ComponentTexts().empty());
    ASSERT_TRUE(doc.Load("[TAVOLIB Vuota]\r\n"));
    EXPECT_FALSE(doc.IsComponentShown());
    EXPECT_TRUE(doc.Titles().empty());
    EXPECT_EQ(doc.Fields().GetKey(), "");
    EXPECT_EQ(Saved(doc), "[TAVOLIB Vuota]\r\n");
    ASSERT_TRUE(doc.Load("[TAVOLIB L]\r\n[A a]\r\nXX 1 2\r\n"));
    EXPECT_EQ(ui.m_messages.back(), "Attenzione: Sono stati incontrati uno o piu' errori in "
                                    "lettura. I comandi sconosciuti sono stati ignorati.");
}

TEST_F(LibraryDoc, TheBarsFieldsAreFilledWhenAttached) {
    ASSERT_TRUE(doc.Load(TWO));
    ASSERT_TRUE(doc.SwitchTo(1));
    CLibraryFields bar;
    doc.AttachFields(&bar);
    EXPECT_EQ(bar.m_titles, (std::vector<std::string>{"Primo", "Secondo"}));
    EXPECT_EQ(bar.m_nIndex, 1);
    EXPECT_EQ(bar.m_strKey, "B2");
    EXPECT_EQ(bar.m_strTitle, "Secondo");
    bar.m_strTitle = "Altro";
    doc.OnTitleListOpening();
    EXPECT_EQ(bar.m_titles[1], "Altro");
    EXPECT_EQ(bar.m_strTitle, "Altro");
    doc.AttachFields(nullptr);
}

class LibraryDocFile : public ProgramDirTest {};

TEST_F(LibraryDocFile, SavingAsksNothingAboutMacros) {
    WriteFile("libs/altra.tvl", "[TAVOLIB Altra]\r\n[R1 r]\r\nLI 100 100 110 100\r\n");
    CFakeUi ui;
    CSchemoLibDoc doc(&ui);
    const std::string path = (m_dir / "lib.tvl").string();
    ASSERT_TRUE(doc.Load("[TAVOLIB L]\r\n[A a]\r\nMC 100 100 0 0 altra.R1\r\n"));
    ASSERT_EQ(doc.Primitives().size(), 1u);
    CSaveOptions save;
    save.bSplit = false; // what makes a drawing ask
    EXPECT_TRUE(doc.Save(path, save));
    EXPECT_EQ(ui.m_nQuestions, 0);
    EXPECT_FALSE(doc.IsModified());
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    EXPECT_EQ(ss.str(), "[TAVOLIB L]\r\n[A a]\r\nMC 100 100 0 0 altra.R1\r\n");
}
