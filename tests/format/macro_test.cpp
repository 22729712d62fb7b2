// Macro instances through three library folders: resolving, the tree and the
// cache; placing, nesting, writing, picking and drawing.
#include "format/macro_tree.h"
#include "format/scan.h"
#include "format/stdlib.h"
#include "model/layers.h"
#include "support/program_dir_fixture.h"

namespace fs = std::filesystem;

// Three library folders; the fixture's own is the last.
class LibraryFolders : public ProgramDirTest {
  protected:
    void SetUp() override {
        ProgramDirTest::SetUp();
        m_library.folders = {Folder("first"), Folder("second"), m_dir.string()};
        WriteFile(
            "first/libs/parts.tvl",
            "[TAVOLIB Primo]\r\n{Resistori}\r\n[R1 Resistor 1/4 W]\r\nLI 100 100 110 100 2\r\n"
            "MC 100 100 0 0 080\r\n{hidden}\r\n[H1 h]\r\nSA 100 100\r\n"
            "[U u]\r\nLI 99 99 110 110\r\nSA 105 105\r\n");
        WriteFile("second/libs/parts.tvl",
                  "[TAVOLIB Secondo]\r\n[R1 due]\r\nSA 100 100\r\n[R2 solo qui]\r\nSA 100 100\r\n");
        WriteFile("second/libs/a.b.tvl", "[TAVOLIB AB]\r\n[K k]\r\nLI 100 100 110 100\r\n");
        WriteFile("libs/broken.tvl", "[TAVOLIN not a library]\r\n");
        WriteFile("macros/logo.tvm", "[MACROCAD Il logo]\r\nRV 100 100 120 110\r\n");
        WriteFile("macros/other.tvm", "[TAVOLIN drawing]\r\nRV 100 100 120 110\r\n");
        WriteFile("macros/sub/evil.tvm", "[MACROCAD E]\r\nLI 1 1 2 2\r\n");
        WriteFile("outside/evil.tvl", "[TAVOLIB E]\r\n[X x]\r\nLI 1 1 2 2\r\n");
        WriteFile("outside/evil.tvm", "[MACROCAD E]\r\nLI 1 1 2 2\r\n");
    }
    std::string Folder(const char* name) { return (m_dir / name).string(); }
};

// Library and key are trimmed; a hidden category still resolves; names cannot
// reach outside their folders.
TEST_F(LibraryFolders, ANameResolvesInTheFirstFolderThatHasIt) {
    const std::pair<const char*, const char*> rows[] = {
        {"parts.R1", "LI 10 10 20 10 2\r\nMC 10 10 0 0 080\r\n"},
        {" parts . R1", "LI 10 10 20 10 2\r\nMC 10 10 0 0 080\r\n"},
        {"parts.H1", "SA 10 10\r\n"},
        {"logo", "RV 10 10 30 20\r\n"},
    };
    // parts.R2 is only in a library the first one hides.
    for (const char* name :
         {"parts.R2", "nolib.xyz", "nothing", "../outside/evil.X", "..\\outside\\evil.X",
          "/tmp/evil.X", "C:evil.X", "../outside/evil", "sub/evil", ".X"})
        EXPECT_FALSE(Read(std::string("MC 10 10 0 0 ") + name)) << name;
    for (const auto& [name, components] : rows) {
        auto m = Read(std::string("MC 10 10 0 0 ") + name);
        ASSERT_TRUE(m) << name;
        std::string out;
        m->GetTextLine(out, true);
        EXPECT_EQ(Written(*m) + out,
                  "MC 10 10 0 0 " + std::string(Trim(name)) + "\r\n" + components);
    }
    EXPECT_EQ(LibraryFilePath(m_library.folders, "parts"), Folder("first") + "/libs/parts.tvl");
    EXPECT_EQ(LibraryFilePath(m_library.folders, "nessuna"), "");
    EXPECT_EQ(MacroFilePath(m_library.folders, "logo"), m_dir.string() + "/macros/logo.tvm");
}

TEST_F(LibraryFolders, TheTreeShowsEachLibraryOnceWithoutHiddenCategories) {
    CMacroTree tree;
    tree.RefreshMacroTree(Ctx());
    const CMacroTreeItem* root = tree.Root();
    std::vector<std::string> names, labels = {root->label};
    for (const auto& c : root->children)
        labels.push_back(c->label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Macro disponibili", "Libreria standard", "Primo",
                                                "AB", "Il logo"}));
    EXPECT_EQ(root->children[0]->children.size(), 10u); // the eleventh is hidden
    std::function<void(const CMacroTreeItem&)> walk = [&](const CMacroTreeItem& item) {
        if (item.bHasName) names.push_back(item.label + "=" + item.macroName);
        for (const auto& c : item.children)
            walk(*c);
    };
    walk(*root);
    ASSERT_EQ(names.size(), 123u + 3u);
    EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
              (std::vector<std::string>{"Resistor 1/4 W=parts.R1", "k=a.b.K", "Il logo=logo"}));
}

// A library file whose name has a dot is split at the first dot when read, so
// it resolves only once the cache is filled from the folders; the cache adds
// what is missing and replaces nothing until the user entries are dropped.
TEST_F(LibraryFolders, TheCacheIsFilledFromTheFoldersAndRebuiltWhenDropped) {
    const char* const drawing = "MC 10 10 0 0 a.b.K\r\nMC 20 20 0 0 ~080\r\n";
    CPrimitiveList list;
    int err = 0;
    ParseDrawingLines(drawing, list, &err, Ctx());
    EXPECT_EQ(err, 1);
    FillMacroCache(Ctx());
    EXPECT_EQ(m_library.cache.PrimitiveCount("parts.R1"), 5u); // the nested resistor counts
    EXPECT_FALSE(m_library.cache.Contains("parts.R2"));
    ParseDrawingLines(drawing, list, &err, Ctx());
    EXPECT_EQ(err, 0);
    EXPECT_EQ(FormatPrimitiveLines(list, false), "MC 10 10 0 0 a.b.K\r\nMC 20 20 0 0 080\r\n");
    WriteFile("first/libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nSA 100 100\r\n");
    FillMacroCache(Ctx());
    EXPECT_EQ(m_library.cache.PrimitiveCount("parts.R1"), 5u);
    m_library.cache.DropUserEntries();
    FillMacroCache(Ctx());
    EXPECT_EQ(m_library.cache.PrimitiveCount("parts.R1"), 1u);
    EXPECT_TRUE(m_library.cache.Contains("~080") && m_library.cache.Contains("080"));
}

// A library point (100 + du, 100 + dv) placed at (X, Y); orientations count
// modulo four and are written back as read.
TEST_F(LibraryFolders, PlacementTableHoldsForAllEightCombinations) {
    WriteFile("libs/t.tvl", "[TAVOLIB T]\r\n[P point]\r\nSA 103 107\r\n");
    const int X = 500, Y = 700, du = 3, dv = 7;
    const CPoint want[4][2] = {{{X + du, Y + dv}, {X - du, Y + dv}},
                               {{X - dv, Y + du}, {X + dv, Y + du}},
                               {{X - du, Y - dv}, {X + du, Y - dv}},
                               {{X + dv, Y - du}, {X - dv, Y - du}}};
    for (long long o : {0LL, 1LL, 2LL, 3LL, 5LL, 2147483645LL}) // no hang on a huge one
        for (int mir = 0; mir < 2; ++mir) {
            const std::string line =
                "MC 500 700 " + std::to_string(o) + " " + std::to_string(mir) + " t.P";
            auto m = Read(line);
            ASSERT_TRUE(m) << line;
            EXPECT_EQ(static_cast<CMacro&>(*m).m_components.at(0)->GetPoint(0), want[o % 4][mir])
                << line;
            EXPECT_EQ(Written(*m), line + "\r\n");
        }
    EXPECT_EQ(Read("MC 200 300 0 0 080")->SetLayer(5), 0); // a macro stays on layer 0
}

// Self and mutual references, deep chains and components that place the next
// one twice, level after level (2^26 primitives), neither hang nor exhaust the
// stack or the memory: what is too deep or too big is left out.
TEST_F(LibraryFolders, NestingIsBounded) {
    std::string deep = "[TAVOLIB Deep]\r\n", wide = "[TAVOLIB f]\n";
    for (int i = 0; i < 2000; ++i)
        deep += "[C" + std::to_string(i) + " c]\r\nSA 100 100\r\nMC 100 100 0 0 deep.C" +
                std::to_string(i + 1) + "\r\n";
    for (char c = 'a'; c < 'z'; ++c)
        wide += std::string("[") + c + " x]\nMC 0 0 0 0 f." + char(c + 1) + "\nMC 0 0 0 0 f." +
                char(c + 1) + "\n";
    WriteFile("libs/deep.tvl", deep + "[C2000 end]\r\nSA 100 100\r\n");
    WriteFile("libs/f.tvl", wide + "[z x]\nSA 1 1\n");
    WriteFile("libs/loop.tvl", "[TAVOLIB L]\r\n[A a]\r\nLI 100 100 110 100\r\nMC 100 100 0 0 "
                               "loop.A\r\n[B b]\r\nMC 100 100 0 0 loop.C\r\n[C c]\r\nMC 100 100 0 "
                               "0 loop.B\r\nSA 100 100\r\n");
    CPrimitiveList list; // self-references are dropped
    ParseDrawingLines("MC 0 0 0 0 loop.A\nMC 0 0 0 0 loop.B\nLI 1 2 3 4\n", list, nullptr, Ctx());
    EXPECT_EQ(FormatPrimitiveLines(list, true), "LI 0 0 10 0\r\nSA 0 0\r\nLI 1 2 3 4\r\n");
    auto count = [&](const std::string& name) {
        auto m = Read("MC 0 0 0 0 " + name);
        return m ? CountPrimitives(static_cast<CMacro&>(*m)) : 0u;
    };
    EXPECT_EQ(count("deep.C1990"), 11u + 10u); // dots and nested instances
    EXPECT_GT(count("deep.C0"), 0u);           // deeper than the limit: as far as it may
    EXPECT_EQ(count("f.r"), 510u + 256u);      // 2^8 dots: an ordinary size
    for (int i = 0; i < 2; ++i) // and again, from whatever the cache holds: some, not too many
        EXPECT_TRUE(count("f.a") - 1 < MAX_MACRO_PRIMITIVES * 2 + 2);
}

// Split, a named macro becomes its components, except standard ones; a group
// has no name and always does; components on the unset point are left out.
TEST_F(LibraryFolders, WritingKeepsStandardMacrosAndSplitsOthersOnRequest) {
    CPrimitiveList list, groups;
    ParseDrawingLines("MC 10 10 0 0 parts.R1\nMC 50 50 0 0 080\nMC 0 0 0 0 parts.U", list, nullptr,
                      Ctx());
    EXPECT_EQ(FormatPrimitiveLines(list, false),
              "MC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\nMC 0 0 0 0 parts.U\r\n");
    EXPECT_EQ(FormatPrimitiveLines(list, true),
              "LI 10 10 20 10 2\r\nMC 10 10 0 0 080\r\nMC 50 50 0 0 080\r\nSA 5 5\r\n");
    CMacro group(0, 0);
    group.m_components.push_back(list[0]->Clone());
    groups.push_back(group.Clone());
    EXPECT_EQ(FormatPrimitiveLines(groups, false), "MC 10 10 0 0 parts.R1\r\n");
    EXPECT_EQ(FormatPrimitiveLines(groups, true), "LI 10 10 20 10 2\r\nMC 10 10 0 0 080\r\n");
}

// A macro, nested ones included, is picked through the box of its components'
// regions; an empty one through nothing.
TEST_F(LibraryFolders, PickUsesTheBoxOfItsComponentRegions) {
    CRecordingSurface dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportExt(2, 2);
    CMacro empty(5, 5);
    empty.UpdateRegion(dc);
    EXPECT_TRUE(empty.GetRegion()->IsEmpty());
    for (int turn = 0; turn < 8; ++turn) {
        auto m = Read("MC 300 400 " + std::to_string(turn % 4) + " " + std::to_string(turn / 4) +
                      " parts.R1");
        CRect want;
        for (const auto& c : static_cast<CMacro&>(*m).m_components) {
            auto copy = c->Clone();
            copy->UpdateRegion(dc);
            want = BoxUnion(want, copy->GetRegion()->GetRgnBox());
        }
        m->UpdateRegion(dc);
        EXPECT_EQ(m->GetRegion()->GetRgnBox(), want) << turn;
        const CPoint centre =
            dc.LPtoDP(CPoint{(want.left + want.right) / 2, (want.top + want.bottom) / 2});
        const CPoint outside = dc.LPtoDP(CPoint{want.right + 20, want.top});
        EXPECT_EQ(m->HitTest(centre.x, centre.y, dc), HIT_INSIDE) << turn;
        EXPECT_EQ(m->HitTest(outside.x, outside.y, dc), HIT_MISS) << turn;
    }
}

// A macro draws in the layer table it is given, nested ones included, rubber
// band too; without one, in the start-up colours.
TEST(MacroDraw, TakesLayersAndColoursFromTheTableItIsGiven) {
    CMacro inner(0, 0), outer(0, 0);
    inner.m_components.push_back(std::make_unique<CLine>(0, 0, 5, 0, false));
    inner.m_components.back()->SetLayer(2);
    outer.m_components.push_back(std::make_unique<CLine>(0, 20, 5, 20, false));
    outer.m_components.back()->SetLayer(1);
    outer.m_components.push_back(inner.Clone());
    CLayerTable layers;
    layers.m_crLayerColor[2] = RGB(4, 5, 6);
    CRecordingSurface dc;
    EXPECT_EQ(outer.DrawInLayers(dc, layers, true, 0xFFFFFF, 0x999999, 0xFF, 100, 2, false), 0);
    EXPECT_EQ(dc.m_calls, (std::vector<std::string>{"line 0,0 5,0 rop=10 pen=060504/0 brush=none",
                                                    "pixel 5,0 060504"}));
    dc.m_calls.clear();
    outer.Draw(dc, false, 0xFFFFFF, 0x999999, 0xFF, 100, -1, false);
    EXPECT_EQ(dc.m_calls.at(0), "line 0,20 5,20 rop=13 pen=c00000/0 brush=none");
}
