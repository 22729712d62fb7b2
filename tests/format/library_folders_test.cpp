// The library folders: their order, the first folder that has a name, what a
// change of them drops from the cache, and what is watched in them.
#include "format/library_files.h"
#include "program_dir_fixture.h"
#include "format/library_watch.h"
#include "format/macro_cache.h"
#include "format/macro_tree.h"
#include "format/program_dir.h"
#include "format/resolve.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
std::string TestFolder(const char* name) {
    const fs::path dir = fs::weakly_canonical(fs::path(testing::TempDir())) /
                         (std::string("tavolin_folders_") +
                          testing::UnitTest::GetInstance()->current_test_info()->name()) /
                         name;
    return dir.lexically_normal().string();
}

std::vector<std::string> Labels(const CMacroTreeItem& item) {
    std::vector<std::string> out;
    for (const auto& c : item.children)
        out.push_back(c->label);
    return out;
}
} // namespace

TEST(LibraryFolderList, ProgramDirThenBesideTheProgramThenUserThenShareEachOnce) {
    const std::string prog = TestFolder("prog"), bin = TestFolder("bin"), user = TestFolder("user");
    const std::string share = TestFolder("share") + "/tavolin";
    EXPECT_EQ(LibraryFolderList(prog, bin, user),
              (std::vector<std::string>{prog, bin, user, share}));
    EXPECT_EQ(LibraryFolderList("", bin, user), (std::vector<std::string>{bin, user, share}));
    // --program-dir naming the folder beside the program, spelled otherwise
    EXPECT_EQ(LibraryFolderList(bin + "/", bin, ""), (std::vector<std::string>{bin, share}));
    EXPECT_EQ(LibraryFolderList(share + "/../tavolin", bin, share),
              (std::vector<std::string>{share, bin}));
    const std::vector<std::string> relative = LibraryFolderList("rel", bin, user);
    EXPECT_EQ(relative.front(), (fs::current_path() / "rel").lexically_normal().string());
}

TEST(UserDataFolder, FollowsXdgDataHomeOrTheHomeFolder) {
    EXPECT_EQ(UserDataFolder("/data", "/home/u"), "/data/tavolin");
    EXPECT_EQ(UserDataFolder(nullptr, "/home/u"), "/home/u/.local/share/tavolin");
    EXPECT_EQ(UserDataFolder("", "/home/u"), "/home/u/.local/share/tavolin");
    EXPECT_EQ(UserDataFolder("relative", "/home/u"),
              "/home/u/.local/share/tavolin"); // not absolute: ignored
    EXPECT_EQ(UserDataFolder(nullptr, nullptr), "");
}

// Three library folders inside the fixture's program folder.
class LibraryFolders : public ProgramDirTest {
  protected:
    void SetUp() override {
        ProgramDirTest::SetUp();
        m_first = (m_dir / "first").string();
        m_second = (m_dir / "second").string();
        m_share = (m_dir / "share").string();
        g_libraryFolders = {m_first, m_second, m_share};
    }
    static void Write(const std::string& path, const std::string& text) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    std::string m_first, m_second, m_share;
};

TEST_F(LibraryFolders, ANameResolvesInTheFirstFolderThatHasItAndTheTreeShowsItOnce) {
    Write(m_first + "/libs/parts.tvl", "[TAVOLIB Primo]\r\n[R1 uno]\r\nLI 100 100 110 100\r\n"
                                       "{hidden}\r\n[H1 h]\r\nSA 100 100\r\n");
    Write(m_second + "/libs/parts.tvl", "[TAVOLIB Secondo]\r\n[R1 due]\r\nLI 100 100 110 100\r\n"
                                        "LI 100 100 100 110\r\n[R2 solo qui]\r\nSA 100 100\r\n");
    Write(m_second + "/libs/altri.tvl", "[TAVOLIB Altri]\r\n[A1 a]\r\nSA 100 100\r\n");
    Write(m_share + "/macros/logo.tvm", "[MACROCAD Il logo]\r\nRV 100 100 120 110\r\n");
    Write(m_share + "/libs/parts.tvl", "[TAVOLIB Terzo]\r\n[R1 tre]\r\nSA 100 100\r\n");
    CMacroTree tree;
    tree.RefreshMacroTree();
    EXPECT_EQ(Labels(*tree.Root()),
              (std::vector<std::string>{"Libreria standard", "Primo", "Altri", "Il logo"}));
    EXPECT_EQ(g_macroCache.PrimitiveCount("parts.R1"), 1u);
    EXPECT_FALSE(
        g_macroCache.Contains("parts.R2")); // only in a library that is hidden by the first
    EXPECT_EQ(LibraryFilePath("parts"), m_first + "/libs/parts.tvl");
    EXPECT_EQ(LibraryFilePath("nessuna"), "");
    CMacro macro;
    EXPECT_TRUE(
        ResolveMacro("parts.H1", macro, nullptr, nullptr)); // hidden: read from the first file
    EXPECT_FALSE(ResolveMacro("parts.R2", macro, nullptr, nullptr));
    EXPECT_EQ(MacroFilePath("logo"), m_share + "/macros/logo.tvm");
    ASSERT_TRUE(ResolveMacro("logo", macro, nullptr, nullptr)); // a macro only in the share folder
    EXPECT_EQ(macro.m_components.size(), 1u);
}

TEST(MacroCacheDrop, KeepsTildeNamesAndTheirTwinsAndDropsTheRest) {
    CMacroCache cache;
    CMacro macro;
    macro.m_strName = "~080";
    cache.Store("~080", macro);
    cache.Store("080", macro); // the standard component's twin
    cache.Store("~solo", macro);
    macro.m_strName = "~orfano"; // a "~" in the macro but not in the name: the name decides
    cache.Store("orfano", macro);
    macro.m_strName = "parts.R1";
    cache.Store("parts.R1", macro);
    cache.Store("logo", macro);
    cache.DropUserEntries();
    EXPECT_EQ(cache.Size(), 3u);
    EXPECT_TRUE(cache.Contains("~080") && cache.Contains("080") && cache.Contains("~solo"));
}

TEST_F(LibraryFolders, ARebuildAfterDroppingTheUserEntriesReadsTheChangedLibrary) {
    Write(m_first + "/libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nSA 100 100\r\n");
    FillMacroCache();
    EXPECT_EQ(g_macroCache.PrimitiveCount("parts.R1"), 1u);
    Write(m_first + "/libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nSA 100 100\r\nSA 110 100\r\n");
    FillMacroCache(); // adds what is missing, replaces nothing
    EXPECT_EQ(g_macroCache.PrimitiveCount("parts.R1"), 1u);
    g_macroCache.DropUserEntries();
    FillMacroCache();
    EXPECT_EQ(g_macroCache.PrimitiveCount("parts.R1"), 2u);
    EXPECT_TRUE(g_macroCache.Contains("~080"));
}

TEST_F(LibraryFolders, TheWatchSetHoldsTheFoldersTheirLibsAndMacrosAndTheFilesInThem) {
    Write(m_first + "/libs/b.tvl", "");
    Write(m_first + "/libs/a.tvl", "");
    Write(m_first + "/libs/note.txt", "");
    Write(m_second + "/readme", ""); // a folder without libs or macros
    const CLibraryWatchSet set = LibraryWatchSet(g_libraryFolders);
    EXPECT_EQ(set.folders, (std::vector<std::string>{m_first, m_second})); // share does not exist
    EXPECT_EQ(set.contents, (std::vector<std::string>{m_first + "/libs"}));
    EXPECT_EQ(set.files,
              (std::vector<std::string>{m_first + "/libs/a.tvl", m_first + "/libs/b.tvl"}));

    EXPECT_TRUE(ChangeAffectsTree(m_first + "/libs/a.tvl", set, set));
    EXPECT_TRUE(ChangeAffectsTree(m_first + "/libs", set, set));
    EXPECT_FALSE(
        ChangeAffectsTree(m_second, set, set)); // something else changed beside the libraries
    fs::create_directories(m_second + "/macros");
    EXPECT_TRUE(ChangeAffectsTree(m_second, set, LibraryWatchSet(g_libraryFolders)));
}
