#pragma once
// What the macro bar shows for a filter text, and how wide it is.
#include "format/macro_tree.h"

#include <string_view>
#include <unordered_set>

// The bar's width in pixels for "nMacrobarSize" 0, 1, 2 (small, medium,
// large), in the proportion of the dialog widths 104, 134 and 164; any other
// value counts as medium.
int MacroBarWidth(int nSize);

// Windows-1252 lower case: ASCII, the accented letters and the few letters
// above 0x80 that have a case (Š, Œ, Ž, Ÿ).
unsigned char FoldCase1252(unsigned char c);

// A leaf matches when its key or its title holds the needle, case ignored.
// Every leaf matches an empty needle.
bool LeafMatches(const CMacroTreeItem& leaf, std::string_view needle);

struct CMacroFilter {
    // The items to show: the root, the matching leaves and every library or
    // category with a matching leaf below it. With an empty needle, all.
    std::unordered_set<const CMacroTreeItem*> shown;
    const CMacroTreeItem* pFirstLeaf = nullptr; // the first match in tree order
};
CMacroFilter FilterMacroTree(const CMacroTreeItem& root, std::string_view needle);
