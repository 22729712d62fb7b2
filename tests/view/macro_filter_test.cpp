// The macro bar's filter.
#include "view/macro_filter.h"

#include <gtest/gtest.h>

namespace {
CMacroTreeItem* Leaf(CMacroTreeItem& parent, const std::string& title, const std::string& key) {
    CMacroTreeItem* leaf = parent.Add(title, IMAGE_LEAF, IMAGE_LEAF);
    leaf->bHasName = true;
    leaf->key = key;
    leaf->macroName = "lib." + key;
    return leaf;
}

// root: library "L" {category "Vuota" (empty), "Passivi" {Resistore R1, Àncora A}},
// library "M" {Condensatore C1}, and the single macro "Il logo".
struct CSampleTree {
    CMacroTreeItem root;
    CMacroTreeItem *lib, *empty, *passive, *resistor, *anchor, *lib2, *capacitor, *logo;
    CSampleTree() {
        lib = root.Add("L", IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
        empty = lib->Add("Vuota", IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
        passive = lib->Add("Passivi", IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
        resistor = Leaf(*passive, "Resistore", "R1");
        anchor = Leaf(*passive, "\xC0ncora", "A");
        lib2 = root.Add("M", IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
        capacitor = Leaf(*lib2, "Condensatore", "C1");
        logo = Leaf(root, "Il logo", "logo");
    }
};
} // namespace

TEST(MacroFilter, KeepsMatchingLeavesByTitleOrKeyAndTheBranchesAboveThem) {
    CSampleTree t;
    CMacroFilter f = FilterMacroTree(t.root, "sTOre"); // in the title, any case
    EXPECT_EQ(f.shown,
              (std::unordered_set<const CMacroTreeItem*>{&t.root, t.lib, t.passive, t.resistor}));
    EXPECT_EQ(f.pFirstLeaf, t.resistor);

    f = FilterMacroTree(t.root, "c1"); // the key
    EXPECT_EQ(f.shown, (std::unordered_set<const CMacroTreeItem*>{&t.root, t.lib2, t.capacitor}));
    EXPECT_EQ(f.pFirstLeaf, t.capacitor);

    f = FilterMacroTree(t.root, "Passivi"); // a category's name is not a leaf's
    EXPECT_EQ(f.shown, (std::unordered_set<const CMacroTreeItem*>{&t.root}));
    EXPECT_EQ(f.pFirstLeaf, nullptr);
}

TEST(MacroFilter, CaseIsIgnoredInWindows1252) {
    CSampleTree t;
    EXPECT_EQ(FilterMacroTree(t.root, "\xE0NC").pFirstLeaf, t.anchor); // à matches À
    EXPECT_EQ(FoldCase1252(0x9F), 0xFF);                               // Ÿ
    EXPECT_EQ(FoldCase1252(0xD7), 0xD7);                               // × has no case
    EXPECT_EQ(FoldCase1252('['), '[');
}
