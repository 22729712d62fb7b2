// The clipboard: what a copy puts there, a cut that deletes only what was
// copied, what a paste reads, and the clipboard's text as a new document.
#include "../format/program_dir_fixture.h"
#include "controller_fixture.h"

#include "doc/library_doc.h"
#include "view/clipboard.h"

namespace {
class CFakeClipboard final : public IClipboard {
  public:
    bool m_bHasText = false;
    std::string m_text;
    bool m_bRefuse = false;

    bool HasText() const override { return m_bHasText; }
    bool GetText(std::string& text) override {
        if (!m_bHasText) return false;
        text = m_text;
        return true;
    }
    bool SetText(const std::string& text) override {
        if (m_bRefuse) return false;
        m_text = text;
        m_bHasText = true;
        return true;
    }
    void Hold(const std::string& text) {
        m_text = text;
        m_bHasText = true;
    }
};

void SelectAt(CSchemoDoc& doc, const std::vector<std::size_t>& order) {
    std::vector<CPrimitive*> chosen;
    for (std::size_t i : order)
        chosen.push_back(doc.Primitives()[i].get());
    doc.SetSelection(chosen);
}

class Clipboard : public ControllerTest {
  protected:
    CFakeClipboard clip;
};

class ClipboardMacros : public ProgramDirTest {
  protected:
    CFakeUi ui;
    CSchemoDoc doc{DOC_DRAWING, &ui};
    CFakeClipboard clip;
};
} // namespace

TEST_F(Clipboard, CopyPutsTheHeaderAndTheSelectedLinesInSelectionOrder) {
    const struct {
        const char* name;
        const char* drawing;
        std::vector<std::size_t> selected;
        const char* copied;
    } cases[] = {
        {"a line and a dot",
         "LI 10 10 40 10\r\nSA 40 10 3\r\n",
         {0, 1},
         "[TAVOLIN]\r\nLI 10 10 40 10\r\nSA 40 10 3\r\n"},
        {"picked the other way round",
         "LI 10 10 40 10\r\nSA 40 10 3\r\n",
         {1, 0},
         "[TAVOLIN]\r\nSA 40 10 3\r\nLI 10 10 40 10\r\n"},
        {"only what is selected",
         "LI 10 10 40 10\r\nSA 40 10 3\r\nRV 1 1 5 5 2\r\n",
         {2},
         "[TAVOLIN]\r\nRV 1 1 5 5 2\r\n"},
        {"accented bytes as they are",
         "TY 10 10 5 3 0 0 0 * Perch\xe8\r\n",
         {0},
         "[TAVOLIN]\r\nTY 10 10 5 3 0 0 0 * Perch\xe8\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Load(c.drawing);
        SelectAt(doc, c.selected);
        ASSERT_TRUE(CopySelection(doc, clip, true));
        EXPECT_EQ(clip.m_text, c.copied);
        EXPECT_EQ(Text(), c.drawing);
        EXPECT_EQ(doc.Selection().size(), c.selected.size());
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(ClipboardMacros, StandardSymbolsAreCopiedAsReferencesOthersAsBSplitSays) {
    WriteFile("libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nLI 100 100 110 100\r\n");
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\n"));
    SelectAt(doc, {0, 1});
    const struct {
        bool bSplit;
        const char* copied;
    } cases[] = {
        {false, "[TAVOLIN]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\n"},
        {true, "[TAVOLIN]\r\nLI 10 10 20 10\r\nMC 50 50 0 0 080\r\n"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(CopySelection(doc, clip, c.bSplit));
        EXPECT_EQ(clip.m_text, c.copied) << "bSplit " << c.bSplit;
    }
}

TEST_F(Clipboard, ACopyTheClipboardRefusesBeepsAndACutThenDeletesNothing) {
    Load("LI 10 10 40 10\r\nSA 40 10 3\r\n");
    clip.Hold("before");
    clip.m_bRefuse = true;
    SelectAt(doc, {1});
    EXPECT_FALSE(CopySelection(doc, clip, true));
    EXPECT_FALSE(CutSelection(doc, clip, true));
    EXPECT_EQ(ui.m_nBeeps, 2);
    EXPECT_EQ(clip.m_text, "before");
    EXPECT_EQ(Text(), "LI 10 10 40 10\r\nSA 40 10 3\r\n");
    EXPECT_EQ(doc.Selection().size(), 1u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Undos(), 1u);
}

TEST_F(Clipboard, ACutCopiesThenDeletesAsOneUndoStep) {
    Load("LI 10 10 40 10\r\nSA 40 10 3\r\nRV 1 1 5 5\r\n");
    SelectAt(doc, {2, 0});
    ASSERT_TRUE(CutSelection(doc, clip, true));
    EXPECT_EQ(clip.m_text, "[TAVOLIN]\r\nRV 1 1 5 5\r\nLI 10 10 40 10\r\n");
    EXPECT_EQ(Text(), "SA 40 10 3\r\n");
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Text(), "LI 10 10 40 10\r\nSA 40 10 3\r\nRV 1 1 5 5\r\n");
}

TEST_F(Clipboard, AnEmptySelectionCopiesAndCutsNothing) {
    Load("LI 10 10 40 10\r\n");
    clip.Hold("before");
    EXPECT_FALSE(CopySelection(doc, clip, true));
    EXPECT_FALSE(CutSelection(doc, clip, true));
    EXPECT_EQ(clip.m_text, "before");
    EXPECT_EQ(ui.m_nBeeps, 0);
    EXPECT_EQ(Text(), "LI 10 10 40 10\r\n");
}

TEST_F(Clipboard, ReadingSkipsTheHeaderAsAnUnknownLine) {
    const struct {
        const char* name;
        const char* text;
        const char* read;
        int nError;
    } cases[] = {
        {"copied here", "[TAVOLIN]\r\nLI 1 2 3 4\r\nSA 3 4 2\r\n", "LI 1 2 3 4\r\nSA 3 4 2\r\n", 1},
        {"lines alone, LF", "LI 1 2 3 4\nSA 3 4 2", "LI 1 2 3 4\r\nSA 3 4 2\r\n", 0},
        {"no command at all", "hello", "", 1},
        {"empty", "", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clip.Hold(c.text);
        CPrimitiveList list;
        int nError = -1;
        ASSERT_TRUE(ReadClipboardLines(clip, list, &nError));
        EXPECT_EQ(FormatPrimitiveLines(list, false), c.read);
        EXPECT_EQ(nError, c.nError);
    }
    clip.m_bHasText = false;
    CPrimitiveList kept;
    kept.push_back(Read("LI 1 1 2 2"));
    EXPECT_FALSE(ReadClipboardLines(clip, kept, nullptr));
    EXPECT_EQ(kept.size(), 1u);
}

TEST(ClipboardDocument, TheHeaderChoosesTheKindAndATextWithoutOneBecomesADrawing) {
    const struct {
        const char* text;
        int nDocKind;
        const char* loaded;
    } cases[] = {
        {"[TAVOLIB Mia]\r\n[A1 Uno]\r\nLI 100 100 110 100\r\n", DOC_LIBRARY,
         "[TAVOLIB Mia]\r\n[A1 Uno]\r\nLI 100 100 110 100\r\n"},
        {"[MACROCAD Rel\xe8]\r\nLI 1 2 3 4\r\n", DOC_MACRO, "[MACROCAD Rel\xe8]\r\nLI 1 2 3 4\r\n"},
        {"[TAVOLIN]\r\nLI 1 2 3 4\r\n", DOC_DRAWING, "[TAVOLIN]\r\nLI 1 2 3 4\r\n"},
        {"copiato da qui: [TAVOLIN]\r\nSA 1 2\r\n", DOC_DRAWING,
         "copiato da qui: [TAVOLIN]\r\nSA 1 2\r\n"},
        {"LI 1 2 3 4\r\n", DOC_DRAWING, "[TAVOLIN]\r\nLI 1 2 3 4\r\n"},
        {"[TAVOLA] niente", DOC_DRAWING, "[TAVOLIN]\r\n[TAVOLA] niente"},
        {"", DOC_DRAWING, "[TAVOLIN]\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const CPastedDocument d = PastedDocumentOf(c.text);
        EXPECT_EQ(d.nDocKind, c.nDocKind);
        EXPECT_EQ(d.text, c.loaded);
    }
    CFakeClipboard clip;
    CPastedDocument d;
    EXPECT_FALSE(ReadPastedDocument(clip, d));
}

TEST(ClipboardDocument, APastedDocumentIsModifiedFromTheStartWithNothingToUndo) {
    CFakeUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui);
    ASSERT_TRUE(LoadPastedDocument(doc, "[TAVOLIN Titolo]\r\nLI 1 2 3 4\r\n"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.m_strTitle, "Titolo");
    EXPECT_EQ(doc.Primitives().size(), 1u);
    EXPECT_TRUE(ui.m_messages.empty());

    CSchemoDoc broken(DOC_DRAWING, &ui);
    EXPECT_FALSE(LoadPastedDocument(broken, "[TAVOLIN\r\nLI 1 2 3 4]\r\n"));
    EXPECT_FALSE(broken.IsModified());
    EXPECT_EQ(ui.m_messages, std::vector<std::string>{"Errore: Formato del file non corretto."});

    CSchemoLibDoc library(&ui);
    ASSERT_TRUE(LoadPastedDocument(library, "[TAVOLIB Mia]\r\n[A1 Uno]\r\nLI 100 100 110 100\r\n"));
    EXPECT_TRUE(library.IsModified());
    EXPECT_EQ(library.ComponentTexts().size(), 1u);
}
