#include "view/forms/macro_filter.h"

#include <gtest/gtest.h>

using Shown = std::unordered_set<const CMacroTreeItem*>;

// Library "L" {category "Vuota" (empty), "Passivi" {Resistore R1, Àncora A}}, library "M"
// {Condensatore C1}, and the single macro "Il logo".
TEST(MacroFilter, KeepsMatchingLeavesByTitleOrKeyAndTheBranchesAboveThem) {
    CMacroTreeItem root;
    const auto leaf = [](CMacroTreeItem* parent, const std::string& title, const std::string& key) {
        CMacroTreeItem* item = parent->Add(title, IMAGE_LEAF, IMAGE_LEAF);
        item->bHasName = true;
        item->key = key;
        item->macroName = "lib." + key;
        return item;
    };
    CMacroTreeItem* lib = root.Add("L", IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
    lib->Add("Vuota", IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
    CMacroTreeItem* passive = lib->Add("Passivi", IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
    CMacroTreeItem *resistor = leaf(passive, "Resistore", "R1"),
                   *anchor = leaf(passive, "\xC0ncora", "A");
    CMacroTreeItem* lib2 = root.Add("M", IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
    CMacroTreeItem* capacitor = leaf(lib2, "Condensatore", "C1");
    leaf(&root, "Il logo", "logo");
    // clang-format off
    const struct { const char* filter; Shown shown; const CMacroTreeItem* first; } cases[] = {
        {"sTOre", {&root, lib, passive, resistor}, resistor}, {"c1", {&root, lib2, capacitor}, capacitor},
        {"Passivi", {&root}, nullptr}, // a category's name is not a leaf's
        {"\xE0NC", {&root, lib, passive, anchor}, anchor}}; // Windows-1252: à matches À
    // clang-format on
    for (const auto& c : cases) {
        const CMacroFilter f = FilterMacroTree(root, c.filter);
        EXPECT_EQ(f.shown, c.shown) << c.filter;
        EXPECT_EQ(f.pFirstLeaf, c.first) << c.filter;
    }
}
