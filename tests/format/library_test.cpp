// Library texts, the standard library, and the library folders: the first one
// that has a name, the tree of what they offer, the cache and what is watched.
#include "../test_util.h"
#include "format/component.h"
#include "format/library.h"
#include "format/library_watch.h"
#include "format/macro_tree.h"
#include "format/resolve.h"
#include "format/scan.h"
#include "format/stdlib.h"
#include "format/writer.h"
#include "model/macro.h"
#include "program_dir_fixture.h"

#include <functional>

namespace fs = std::filesystem;

// Components start at a "[" in the first column, categories at a "{".
TEST(LibraryText, ComponentsCategoriesKeysAndTitles) {
    std::vector<std::string> comps;
    std::vector<LibraryCategory> cats;
    SplitLibraryText("junk\n[A0 before]\nLI 1 1 2 2\n{One}\n{Two}\n[A1 x]  \n\n LI 1 2 3 4\n"
                     " [X1 Indented]\n{Three\n[A2]\n",
                     comps, &cats);
    EXPECT_EQ(comps, (std::vector<std::string>{"[A0 before]\nLI 1 1 2 2\n",
                                               "[A1 x]\n LI 1 2 3 4\n [X1 Indented]\n", "[A2]\n"}));
    std::string got; // a category right after another one is empty
    for (const LibraryCategory& c : cats)
        got += c.name + "@" + std::to_string(c.nFirst) + " ";
    EXPECT_EQ(got, "@0 One@1 Two@1 Three@2 ");
    ASSERT_TRUE(ParseHeaderedText("[TAVOLIB L]\r\n{A}\r\n[1 One]\r\nLI 1 2 3 4\r\n", nullptr,
                                  &comps, nullptr, nullptr, nullptr, &cats));
    EXPECT_EQ(comps, std::vector<std::string>{"[1 One]\nLI 1 2 3 4\n"});
    EXPECT_EQ(cats.at(1).name, "A");
    const std::tuple<const char*, bool, const char*, const char*> heads[] = {
        {"[R1 Resistor 1/4 W]\n", true, "R1", "Resistor 1/4 W"},
        {"  [R1]\n", true, "", "R1"},
        {"[K   spaced title  ]", true, "K", "spaced title  "},
        {"R1 no bracket", false, "", ""},
        {"[R1 unclosed\nLI 1 2 3 4", false, "", ""},
    };
    for (const auto& [text, ok, wantKey, wantTitle] : heads) {
        std::string key, title;
        EXPECT_EQ(ParseComponent(text, nullptr, &key, &title, nullptr), ok) << text;
        EXPECT_EQ(key + "|" + title, std::string(wantKey) + "|" + wantTitle) << text;
    }
    CMacro m;
    int err = 0;
    ASSERT_TRUE(ParseComponent("[K t]\nLI 1 2 3 4\nXX\n", &m, nullptr, nullptr, &err));
    EXPECT_EQ(m.m_components.size(), 1u);
    EXPECT_EQ(err, 1);
}

TEST(StandardLibrary, EveryComponentParsesCleanlyAndOnlyItsKeysAreStandard) {
    const CLibraryIndex& lib = StandardLibrary();
    EXPECT_EQ(*lib.Find("080"),
              "[080 Resistore]\nLI 100 100 102 100\nLI 108 100 110 100\nRV 102 98 108 102\n");
    for (const std::string& text : lib.components) {
        CMacro m;
        int err = 0;
        std::string key;
        ASSERT_TRUE(ParseComponent(text, &m, &key, nullptr, &err));
        EXPECT_EQ(err, 0) << key;
        EXPECT_FALSE(m.m_components.empty()) << key;
        EXPECT_TRUE(IsStandardLibraryName(key)) << key;
    }
    EXPECT_FALSE(IsStandardLibraryName("Resistore"));
    EXPECT_FALSE(IsStandardLibraryName("~080"));
}

// Three library folders; the fixture's own is the last.
class LibraryFolders : public ProgramDirTest {
  protected:
    void SetUp() override {
        ProgramDirTest::SetUp();
        g_libraryFolders = {Folder("first"), Folder("second"), m_dir.string()};
        WriteFile(
            "first/libs/parts.tvl",
            "[TAVOLIB Primo]\r\n{Resistori}\r\n[R1 Resistor 1/4 W]\r\nLI 100 100 110 100 2\r\n"
            "MC 100 100 0 0 080\r\n{hidden}\r\n[H1 h]\r\nSA 100 100\r\n");
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
        {"parts.R2", nullptr}, // its library is hidden by the first one
        {"nolib.xyz", nullptr},
        {"nothing", nullptr},
        {"../outside/evil.X", nullptr},
        {"..\\outside\\evil.X", nullptr},
        {"/tmp/evil.X", nullptr},
        {"C:evil.X", nullptr},
        {"../outside/evil", nullptr},
        {"sub/evil", nullptr},
        {".X", nullptr},
    };
    for (const auto& [name, components] : rows) {
        auto m = Read(std::string("MC 10 10 0 0 ") + name);
        EXPECT_EQ(m != nullptr, components != nullptr) << name;
        if (!m || !components) continue;
        std::string out;
        m->GetTextLine(out, true);
        EXPECT_EQ(out, components) << name;
        EXPECT_EQ(Written(*m), "MC 10 10 0 0 " + std::string(Trim(name)) + "\r\n");
    }
    EXPECT_EQ(LibraryFilePath("parts"), Folder("first") + "/libs/parts.tvl");
    EXPECT_EQ(LibraryFilePath("nessuna"), "");
    EXPECT_EQ(MacroFilePath("logo"), m_dir.string() + "/macros/logo.tvm");
}

TEST_F(LibraryFolders, TheTreeShowsEachLibraryOnceWithoutHiddenCategories) {
    CMacroTree tree;
    tree.RefreshMacroTree();
    const CMacroTreeItem* root = tree.Root();
    EXPECT_EQ(root->label, "Macro disponibili");
    std::vector<std::string> names, labels;
    for (const auto& c : root->children)
        labels.push_back(c->label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Libreria standard", "Primo", "AB", "Il logo"}));
    const CMacroTreeItem& standard = *root->children[0];
    EXPECT_EQ(standard.nImage, IMAGE_FOLDER);
    ASSERT_EQ(standard.children.size(), 10u); // the eleventh is hidden
    const CMacroTreeItem& discrete = *standard.children[1];
    EXPECT_EQ(discrete.label + "/" + discrete.children[0]->label + "=" +
                  discrete.children[0]->macroName,
              "Componenti discreti/Resistore=~080");
    std::function<void(const CMacroTreeItem&)> walk = [&](const CMacroTreeItem& item) {
        if (item.bHasName) names.push_back(item.label + "=" + item.macroName);
        for (const auto& c : item.children)
            walk(*c);
    };
    walk(*root);
    EXPECT_EQ(names.size(), 123u + 3u);
    EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
              (std::vector<std::string>{"Resistor 1/4 W=parts.R1", "k=a.b.K", "Il logo=logo"}));
    tree.ClearMacroTree();
    EXPECT_EQ(tree.Root(), nullptr);
}

// A library file whose name has a dot is split at the first dot when read, so
// it resolves only once the cache is filled from the folders; the cache adds
// what is missing and replaces nothing until the user entries are dropped.
TEST_F(LibraryFolders, TheCacheIsFilledFromTheFoldersAndRebuiltWhenDropped) {
    const char* const drawing = "MC 10 10 0 0 a.b.K\r\nMC 20 20 0 0 ~080\r\n";
    CPrimitiveList list;
    int err = 0;
    ParseDrawingLines(drawing, list, &err);
    EXPECT_EQ(err, 1);
    FillMacroCache();
    EXPECT_EQ(g_macroCache.PrimitiveCount("parts.R1"), 5u); // the nested resistor counts
    EXPECT_FALSE(g_macroCache.Contains("parts.R2"));
    ParseDrawingLines(drawing, list, &err);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(FormatPrimitiveLines(list, false), "MC 10 10 0 0 a.b.K\r\nMC 20 20 0 0 080\r\n");
    WriteFile("first/libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nSA 100 100\r\n");
    FillMacroCache();
    EXPECT_EQ(g_macroCache.PrimitiveCount("parts.R1"), 5u);
    g_macroCache.DropUserEntries();
    FillMacroCache();
    EXPECT_EQ(g_macroCache.PrimitiveCount("parts.R1"), 1u);
    EXPECT_TRUE(g_macroCache.Contains("~080") && g_macroCache.Contains("080"));
}

TEST_F(LibraryFolders, TheWatchSetHoldsTheFoldersTheirLibsAndMacrosAndTheFilesInThem) {
    fs::remove_all(m_dir / "second");
    WriteFile("second/readme", ""); // a folder without libs or macros
    fs::remove_all(m_dir / "macros");
    fs::remove(m_dir / "libs" / "broken.tvl");
    WriteFile("first/libs/note.txt", "");
    g_libraryFolders.push_back(Folder("none"));
    const CLibraryWatchSet set = LibraryWatchSet(g_libraryFolders);
    EXPECT_EQ(set.folders,
              (std::vector<std::string>{Folder("first"), Folder("second"), m_dir.string()}));
    EXPECT_EQ(set.contents,
              (std::vector<std::string>{Folder("first") + "/libs", m_dir.string() + "/libs"}));
    EXPECT_EQ(set.files, (std::vector<std::string>{Folder("first") + "/libs/parts.tvl"}));
    EXPECT_TRUE(ChangeAffectsTree(Folder("first") + "/libs/parts.tvl", set, set));
    EXPECT_TRUE(ChangeAffectsTree(Folder("first") + "/libs", set, set));
    EXPECT_FALSE(ChangeAffectsTree(Folder("second"), set, set)); // something beside the libraries
    fs::create_directories(Folder("second") + "/macros");
    EXPECT_TRUE(ChangeAffectsTree(Folder("second"), set, LibraryWatchSet(g_libraryFolders)));
}

TEST(LibraryFolderList, ProgramDirThenBesideTheProgramThenUserThenShareEachOnce) {
    const std::string root = testing::TempDir() + "tavolin_folder_list";
    const fs::path base = fs::weakly_canonical(fs::path(root)).lexically_normal();
    const std::string prog = (base / "prog").string(), bin = (base / "bin").string();
    const std::string user = (base / "user").string(), share = (base / "share/tavolin").string();
    EXPECT_EQ(LibraryFolderList(prog, bin, user),
              (std::vector<std::string>{prog, bin, user, share}));
    EXPECT_EQ(LibraryFolderList("", bin, user), (std::vector<std::string>{bin, user, share}));
    EXPECT_EQ(LibraryFolderList(bin + "/", bin, ""), (std::vector<std::string>{bin, share}));
    EXPECT_EQ(LibraryFolderList(share + "/../tavolin", bin, share),
              (std::vector<std::string>{share, bin}));
    EXPECT_EQ(LibraryFolderList("rel", bin, user).front(),
              (fs::current_path() / "rel").lexically_normal().string());
    EXPECT_EQ(UserDataFolder("/data", "/home/u"), "/data/tavolin");
    for (const char* notAbsolute : {(const char*)nullptr, "", "relative"})
        EXPECT_EQ(UserDataFolder(notAbsolute, "/home/u"), "/home/u/.local/share/tavolin");
    EXPECT_EQ(UserDataFolder(nullptr, nullptr), "");
}
