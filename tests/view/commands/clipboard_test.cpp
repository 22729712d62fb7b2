#include "support/controller_fixture.h"
#include "support/program_dir_fixture.h"

#include "view/commands/clipboard.h"

namespace {
struct CFakeClipboard final : IClipboard {
    bool m_bHasText = false, m_bRefuse = false;
    std::string m_text;

    bool HasText() const override { return m_bHasText; }
    bool GetText(std::string& text) override { return text = m_text, m_bHasText; }
    bool SetText(const std::string& text) override {
        return !m_bRefuse && (m_text = text, m_bHasText = true);
    }
};

class Clipboard : public ControllerTest {
  protected:
    CFakeClipboard clip;
};
class ClipboardMacros : public ProgramDirTest {};
} // namespace

// A refused copy beeps and a cut then deletes nothing; a cut is one undo step.
TEST_F(Clipboard, CopyAndCutPutTheHeaderAndTheSelectionInItsOrder) {
    const char* const kThree = "LI 10 10 40 10\r\nSA 40 10 3\r\nTY 1 1 5 3 0 0 0 * Perch\xe8\r\n";
    // clang-format off
    const struct { std::vector<std::size_t> selected; bool bCut, bRefuse; const char *copied, *left; } cases[] = {
        {{0, 1}, false, false, "[TAVOLIN]\r\nLI 10 10 40 10\r\nSA 40 10 3\r\n", kThree},
        {{2, 0}, true, false, "[TAVOLIN]\r\nTY 1 1 5 3 0 0 0 * Perch\xe8\r\nLI 10 10 40 10\r\n", "SA 40 10 3\r\n"},
        {{1}, false, true, "before", kThree}, {{1}, true, true, "before", kThree},
        {{}, false, false, "before", kThree}, {{}, true, false, "before", kThree}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.copied) + (c.bCut ? " cut" : " copy"));
        Load(kThree);
        std::vector<CPrimitive*> chosen;
        for (std::size_t i : c.selected)
            chosen.push_back(At(i));
        doc.SetSelection(chosen);
        clip.m_text = "before";
        clip.m_bRefuse = c.bRefuse;
        ui.m_nBeeps = 0;
        const bool bDone = c.bCut ? CutSelection(doc, clip, true) : CopySelection(doc, clip, true);
        EXPECT_EQ(bDone, c.copied[0] == '[');
        EXPECT_EQ(clip.m_text, c.copied);
        EXPECT_EQ(Text(), c.left);
        EXPECT_EQ(ui.m_nBeeps, c.bRefuse ? 1 : 0);
        const bool bCut = c.left != kThree;
        EXPECT_EQ(doc.Selection().size(), bCut ? 0 : c.selected.size());
        EXPECT_TRUE(doc.IsModified() == bCut && Undos() == (bCut ? 2u : 1u));
        if (bCut) {
            ASSERT_TRUE(doc.Undo());
            EXPECT_EQ(Text(), kThree);
        }
    }
}

TEST_F(ClipboardMacros, StandardSymbolsAreCopiedAsReferencesOthersAsBSplitSays) {
    WriteFile("libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nLI 100 100 110 100\r\n");
    CSchemoDoc doc{DOC_DRAWING, nullptr, Ctx()};
    CFakeClipboard clip;
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\n"));
    doc.SetSelection({doc.Primitives()[0].get(), doc.Primitives()[1].get()});
    ASSERT_TRUE(CopySelection(doc, clip, false));
    EXPECT_EQ(clip.m_text, "[TAVOLIN]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\n");
    ASSERT_TRUE(CopySelection(doc, clip, true));
    EXPECT_EQ(clip.m_text, "[TAVOLIN]\r\nLI 10 10 20 10\r\nMC 50 50 0 0 080\r\n");
}

// The header is skipped as an unknown line; the first primitive follows the
// pointer by its first point and every paste is an undo step of its own.
TEST_F(Clipboard, APasteReadsTheLinesAndFollowsThePointer) {
    // clang-format off
    const struct { const char* text; const char* read; int nError; } cases[] = {
        {"[TAVOLIN]\r\nLI 1 2 3 4\r\nSA 3 4 2\r\n", "LI 1 2 3 4\r\nSA 3 4 2\r\n", 1},
        {"LI 1 2 3 4\nSA 3 4 2", "LI 1 2 3 4\r\nSA 3 4 2\r\n", 0}, {"hello", "", 1}, {"", "", 0}};
    // clang-format on
    for (const auto& c : cases) {
        clip.m_text = c.text, clip.m_bHasText = true;
        CPrimitiveList list;
        int nError = -1;
        ASSERT_TRUE(ReadClipboardLines(clip, list, &nError, m_library.context));
        EXPECT_TRUE(FormatPrimitiveLines(list, false) == c.read && nError == c.nError) << c.text;
    }
    clip.m_bHasText = false;
    CPrimitiveList kept;
    kept.push_back(Read("LI 1 1 2 2"));
    EXPECT_FALSE(ReadClipboardLines(clip, kept, nullptr, m_library.context) || kept.size() != 1u);

    Load("SA 400 400\r\n");
    clip.m_text = "[TAVOLIN]\r\nLI 20 10 60 10\r\nSA 0 0\r\n", clip.m_bHasText = true;
    for (const char* at : {"m20,10 r20,10", "m100,50 r100,50"}) {
        CPrimitiveList list;
        ASSERT_TRUE(ReadClipboardLines(clip, list, nullptr, m_library.context));
        ctl.StartPaste(std::move(list));
        Run(at);
    }
    EXPECT_EQ(Text(), "SA 400 400\r\nLI 20 10 60 10\r\nSA 0 0\r\nLI 100 50 140 50\r\nSA 80 40\r\n");
    EXPECT_EQ(doc.Selection(), (std::vector<CPrimitive*>{At(3), At(4)}));
    EXPECT_EQ(Undos(), 3u);
}

TEST(ClipboardDocument, TheHeaderChoosesTheKindAndAPastedDocumentIsModifiedFromTheStart) {
    CLibraryState state;
    // clang-format off
    const struct { const char* text; int nDocKind; const char* loaded; } cases[] = {
        {"[TAVOLIB Mia]\r\n[A1 Uno]\r\nLI 1 1 9 1\r\n", DOC_LIBRARY, "[TAVOLIB Mia]\r\n[A1 Uno]\r\nLI 1 1 9 1\r\n"},
        {"[MACROCAD Rel\xe8]\r\nLI 1 2 3 4\r\n", DOC_MACRO, "[MACROCAD Rel\xe8]\r\nLI 1 2 3 4\r\n"},
        {"copiato da qui: [TAVOLIN]\r\nSA 1 2\r\n", DOC_DRAWING, "copiato da qui: [TAVOLIN]\r\nSA 1 2\r\n"},
        {"LI 1 2 3 4\r\n", DOC_DRAWING, "[TAVOLIN]\r\nLI 1 2 3 4\r\n"},
        {"[TAVOLA] niente", DOC_DRAWING, "[TAVOLIN]\r\n[TAVOLA] niente"}, {"", DOC_DRAWING, "[TAVOLIN]\r\n"}};
    // clang-format on
    for (const auto& c : cases) {
        const CPastedDocument d = PastedDocumentOf(c.text);
        EXPECT_TRUE(d.nDocKind == c.nDocKind && d.text == c.loaded) << c.text;
    }
    CFakeClipboard clip;
    CPastedDocument none;
    EXPECT_FALSE(ReadPastedDocument(clip, none));
    // Modified from the start, with nothing to undo.
    CFakeUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui, state.context), broken(DOC_DRAWING, &ui, state.context);
    ASSERT_TRUE(LoadPastedDocument(doc, "[TAVOLIN Titolo]\r\nLI 1 2 3 4\r\n"));
    EXPECT_TRUE(doc.IsModified() && !doc.CanUndo() && ui.m_messages.empty());
    EXPECT_TRUE(doc.m_strTitle == "Titolo" && doc.Primitives().size() == 1u);
    EXPECT_FALSE(LoadPastedDocument(broken, "[TAVOLIN\r\nLI 1 2 3 4]\r\n") || broken.IsModified());
    EXPECT_EQ(ui.m_messages, std::vector<std::string>{"Errore: Formato del file non corretto."});
    CSchemoLibDoc library(&ui, state.context);
    ASSERT_TRUE(LoadPastedDocument(library, "[TAVOLIB Mia]\r\n[A1 Uno]\r\nLI 100 100 110 100\r\n"));
    EXPECT_TRUE(library.IsModified() && library.ComponentTexts().size() == 1u);
}
