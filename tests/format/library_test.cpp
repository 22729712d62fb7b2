// Library texts, the standard library and the tree of available macros.
#include "format/component.h"
#include "format/library.h"
#include "format/macro_tree.h"
#include "format/reader.h"
#include "format/stdlib.h"
#include "format/writer.h"
#include "model/macro.h"
#include "program_dir_fixture.h"

#include <algorithm>
#include <functional>

TEST(SplitLibraryText, ComponentsCategoriesAndTheFirstColumnRule) {
    std::vector<std::string> comps;
    std::vector<LibraryCategory> cats;
    SplitLibraryText("junk\n[A0 before]\nLI 1 1 2 2\n{One}\n{Two}\n[A1 x]  \n\n LI 1 2 3 4\n"
                     " [X1 Indented]\n{Three\n[A2]\n",
                     comps, &cats);
    ASSERT_EQ(comps.size(), 3u);
    EXPECT_EQ(comps[0], "[A0 before]\nLI 1 1 2 2\n");
    EXPECT_EQ(comps[1], "[A1 x]\n LI 1 2 3 4\n [X1 Indented]\n");
    EXPECT_EQ(comps[2], "[A2]\n");
    ASSERT_EQ(cats.size(), 4u);
    EXPECT_EQ(cats[0].name, "");
    EXPECT_EQ(cats[1].name, "One");
    EXPECT_EQ(cats[1].nFirst, 1);
    EXPECT_EQ(cats[2].nFirst, 1); // a category right after another one is empty
    EXPECT_EQ(cats[3].name, "Three");
    EXPECT_EQ(cats[3].nFirst, 2);
}

TEST(ParseComponent, KeyAndTitle) {
    std::string key, title;
    ASSERT_TRUE(ParseComponent("[R1 Resistor 1/4 W]\n", nullptr, &key, &title, nullptr));
    EXPECT_EQ(key, "R1");
    EXPECT_EQ(title, "Resistor 1/4 W");
    ASSERT_TRUE(ParseComponent("  [R1]\n", nullptr, &key, &title, nullptr));
    EXPECT_EQ(key, "");
    EXPECT_EQ(title, "R1");
    ASSERT_TRUE(ParseComponent("[K   spaced title  ]", nullptr, &key, &title, nullptr));
    EXPECT_EQ(title, "spaced title  ");
    EXPECT_FALSE(ParseComponent("R1 no bracket", nullptr, &key, &title, nullptr));
    EXPECT_FALSE(ParseComponent("[R1 unclosed\nLI 1 2 3 4", nullptr, &key, &title, nullptr));
    CMacro m;
    int err = 0;
    ASSERT_TRUE(ParseComponent("[K t]\nLI 1 2 3 4\nXX\n", &m, nullptr, nullptr, &err));
    EXPECT_EQ(m.m_components.size(), 1u);
    EXPECT_EQ(err, 1);
}

// Its components, categories and titles in order are the command-line tool's
// golden list.
TEST(StandardLibrary, TheFixedResistorAndWhichNamesAreStandard) {
    const CLibraryIndex& lib = StandardLibrary();
    EXPECT_EQ(lib.name, "Libreria standard");
    ASSERT_TRUE(lib.Find("080"));
    EXPECT_EQ(*lib.Find("080"), "[080 Resistore]\nLI 100 100 102 100\nLI 108 100 110 100\nRV 102 98 108 102\n");
    EXPECT_TRUE(IsStandardLibraryName("080"));
    EXPECT_TRUE(IsStandardLibraryName("158"));
    EXPECT_FALSE(IsStandardLibraryName("Resistore"));
    EXPECT_FALSE(IsStandardLibraryName("~080"));
}

TEST(StandardLibrary, EveryComponentParsesCleanly) {
    const CLibraryIndex& lib = StandardLibrary();
    for (const std::string& text : lib.components) {
        CMacro m;
        int err = 0;
        std::string key;
        ASSERT_TRUE(ParseComponent(text, &m, &key, nullptr, &err));
        EXPECT_EQ(err, 0) << key;
        EXPECT_FALSE(m.m_components.empty()) << key;
    }
}

class MacroTree : public ProgramDirTest {};

TEST_F(MacroTree, StandardLibraryShowsTenCategoriesNotTheHiddenOne) {
    CMacroTree tree;
    tree.RefreshMacroTree();
    const CMacroTreeItem* root = tree.Root();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->label, "Macro disponibili");
    ASSERT_EQ(root->children.size(), 1u);
    const CMacroTreeItem& lib = *root->children[0];
    EXPECT_EQ(lib.label, "Libreria standard");
    EXPECT_EQ(lib.nImage, IMAGE_FOLDER);
    ASSERT_EQ(lib.children.size(), 10u);
    for (const auto& cat : lib.children) EXPECT_NE(cat->label, "hidden");
    const CMacroTreeItem& discrete = *lib.children[1];
    EXPECT_EQ(discrete.label, "Componenti discreti");
    EXPECT_EQ(discrete.children[0]->label, "Resistore");
    EXPECT_EQ(discrete.children[0]->macroName, "~080");
}

TEST_F(MacroTree, UserLibrariesAndMacroFilesAreListed) {
    WriteFile("libs/parts.tvl", "[TAVOLIB Parti]\r\n[R1 Resistor 1/4 W]\r\nLI 100 100 110 100\r\n"
                                "{Hidden}\r\n[H1 shown]\r\nSA 100 100\r\n");
    WriteFile("libs/a.b.tvl", "[TAVOLIB AB]\r\n[K k]\r\nSA 100 100\r\n");
    WriteFile("libs/broken.tvl", "[TAVOLIN not a library]\r\n");
    WriteFile("macros/logo.tvm", "[MACROCAD Il logo]\r\nRV 100 100 120 110\r\n");
    WriteFile("macros/other.tvm", "[TAVOLIN drawing]\r\nRV 100 100 120 110\r\n");
    CMacroTree tree;
    tree.RefreshMacroTree();
    std::vector<std::string> names;
    std::function<void(const CMacroTreeItem&)> walk = [&](const CMacroTreeItem& item) {
        if (item.bHasName) names.push_back(item.label + "=" + item.macroName);
        for (const auto& c : item.children) walk(*c);
    };
    walk(*tree.Root());
    auto has = [&](const std::string& s) {
        return std::find(names.begin(), names.end(), s) != names.end();
    };
    EXPECT_TRUE(has("Resistor 1/4 W=parts.R1"));
    EXPECT_TRUE(has("shown=parts.H1"));
    EXPECT_TRUE(has("k=a.b.K"));
    EXPECT_TRUE(has("Il logo=logo"));
    EXPECT_EQ(tree.Root()->children.size(), 4u); // standard, parts, a.b, the macro leaf
    EXPECT_EQ(names.size(), 123u + 4u);
    EXPECT_TRUE(g_macroCache.Contains("parts.R1"));
    tree.ClearMacroTree();
    EXPECT_EQ(tree.Root(), nullptr);
}

TEST_F(MacroTree, FillingTheCacheResolvesALibraryWhoseFileNameHasADot) {
    WriteFile("libs/a.b.tvl", "[TAVOLIB AB]\r\n[K k]\r\nLI 100 100 110 100\r\n");
    const char* const drawing = "MC 10 10 0 0 a.b.K\r\nMC 20 20 0 0 ~080\r\n";
    CPrimitiveList list;
    int err = 0;
    ParseDrawingLines(drawing, list, &err);
    EXPECT_EQ(err, 1); // split at the first dot: library "a", key "b.K"
    FillMacroCache();
    EXPECT_TRUE(g_macroCache.Contains("a.b.K"));
    EXPECT_TRUE(g_macroCache.Contains("~080"));
    ParseDrawingLines(drawing, list, &err);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(FormatPrimitiveLines(list, false), "MC 10 10 0 0 a.b.K\r\nMC 20 20 0 0 080\r\n");
    EXPECT_EQ(FormatPrimitiveLines(list, true), "LI 10 10 20 10\r\nMC 20 20 0 0 080\r\n");
}
