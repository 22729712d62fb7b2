#include "view/forms/macro_filter.h"

#include <algorithm>

int MacroBarWidth(int nSize) {
    constexpr int kWidths[3] = {160, 205, 250};
    return kWidths[nSize >= 0 && nSize <= 2 ? nSize : 1];
}

unsigned char FoldCase1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32); // not ×
    switch (c) {
    case 0x8A:
        return 0x9A; // Š
    case 0x8C:
        return 0x9C; // Œ
    case 0x8E:
        return 0x9E; // Ž
    case 0x9F:
        return 0xFF; // Ÿ
    default:
        return c;
    }
}

namespace {
bool Contains(std::string_view hay, std::string_view needle) {
    const auto eq = [](char a, char b) {
        return FoldCase1252(static_cast<unsigned char>(a)) ==
               FoldCase1252(static_cast<unsigned char>(b));
    };
    return std::search(hay.begin(), hay.end(), needle.begin(), needle.end(), eq) != hay.end();
}

// Answers whether anything below the item (or the item itself) is shown.
bool Walk(const CMacroTreeItem& item, std::string_view needle, CMacroFilter& out) {
    bool bShown = item.bHasName && LeafMatches(item, needle);
    if (bShown && !out.pFirstLeaf) out.pFirstLeaf = &item;
    for (const auto& child : item.children)
        bShown = Walk(*child, needle, out) || bShown;
    if (bShown || needle.empty()) out.shown.insert(&item);
    return bShown;
}
} // namespace

bool LeafMatches(const CMacroTreeItem& leaf, std::string_view needle) {
    return Contains(leaf.key, needle) || Contains(leaf.label, needle);
}

CMacroFilter FilterMacroTree(const CMacroTreeItem& root, std::string_view needle) {
    CMacroFilter out;
    Walk(root, needle, out);
    out.shown.insert(&root);
    return out;
}
