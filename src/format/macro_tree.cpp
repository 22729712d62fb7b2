#include "format/macro_tree.h"

#include "format/component.h"
#include "format/library_files.h"
#include "format/macro_cache.h"
#include "format/program_dir.h"
#include "format/reader.h"
#include "format/resolve.h"
#include "format/resolve_context.h"
#include "format/stdlib.h"
#include "model/translate_noop.h"

CMacroTreeItem* CMacroTreeItem::Add(std::string text, int nImg, int nSelImg) {
    auto item = std::make_unique<CMacroTreeItem>();
    item->label = std::move(text);
    item->nImage = nImg;
    item->nSelectedImage = nSelImg;
    children.push_back(std::move(item));
    return children.back().get();
}

namespace {
void AddComponentLeaf(CMacroTreeItem& parent, const std::string& text, const std::string& prefix,
                      const std::string& identity, CResolveContext& ctx) {
    std::string key, title;
    if (!ParseComponent(text, nullptr, &key, &title, nullptr, nullptr)) return;
    CMacro temp;
    ParseComponentGuarded(identity + key, text, temp, nullptr, nullptr, nullptr, ctx);
    CMacroTreeItem* leaf = parent.Add(title, IMAGE_LEAF, IMAGE_LEAF);
    leaf->bHasName = true;
    leaf->macroName = prefix.empty() ? "~" + key : prefix + "." + key;
    leaf->key = key;
    if (ctx.cache.Contains(leaf->macroName)) return;
    temp.m_strName = leaf->macroName;
    ctx.cache.Store(leaf->macroName, temp);
    if (prefix.empty()) ctx.cache.Store(key, temp);
}

void SetFile(CMacroTreeItem& item, const std::string& path) {
    if (item.bHasName) item.file = path;
    for (auto& child : item.children)
        SetFile(*child, path);
}
} // namespace

void CMacroTree::RefreshMacroTree(CResolveContext& ctx) {
    ClearMacroTree();
    m_root = std::make_unique<CMacroTreeItem>();
    m_root->label = QT_TRANSLATE_NOOP("Macro", "Macro disponibili");
    m_root->nImage = m_root->nSelectedImage = IMAGE_ROOT;
    AddLibraryToTree(StandardLibraryText(), "", ctx);
    for (const CFoundFile& file : FilesInFolders(ctx.folders, LIBS_FOLDER, ".tvl")) {
        std::string text;
        if (!ReadSettledFile(file.path, text)) continue;
        const std::size_t nBefore = m_root->children.size();
        AddLibraryToTree(text, file.base, ctx);
        if (m_root->children.size() > nBefore) SetFile(*m_root->children.back(), file.path);
    }
    AddMacroFiles(ctx);
}

// A single macro file is listed under its long title when its header is "MACROCAD".
void CMacroTree::AddMacroFiles(const CResolveContext& ctx) {
    for (const CFoundFile& file : FilesInFolders(ctx.folders, MACROS_FOLDER, ".tvm")) {
        std::string text, title;
        int kind = TEXT_NONE;
        if (!ReadSettledFile(file.path, text) ||
            !ParseHeaderedText(text, nullptr, nullptr, &title, nullptr, &kind, nullptr, nullptr) ||
            kind != TEXT_MACRO)
            continue;
        CMacroTreeItem* leaf = m_root->Add(title, IMAGE_LEAF, IMAGE_LEAF);
        leaf->bHasName = true;
        leaf->macroName = file.base;
        leaf->key = file.base;
        leaf->file = file.path;
    }
}

void CMacroTree::AddLibraryToTree(std::string_view text, const std::string& prefix,
                                  CResolveContext& ctx) {
    if (!m_root) return;
    const auto index = IndexLibraryText(std::string(text));
    if (!index) return;
    CMacroTreeItem* library = m_root->Add(index->name, IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
    const auto& cats = index->categories;
    for (std::size_t c = 0; c < cats.size(); ++c) {
        if (cats[c].name == "hidden") continue;
        CMacroTreeItem* parent = cats[c].name.empty()
                                     ? library
                                     : library->Add(cats[c].name, IMAGE_FOLDER, IMAGE_FOLDER_OPEN);
        const std::size_t last =
            c + 1 < cats.size() ? std::size_t(cats[c + 1].nFirst) : index->components.size();
        for (std::size_t i = std::size_t(cats[c].nFirst); i < last; ++i)
            AddComponentLeaf(*parent, index->components[i], prefix,
                             prefix.empty() ? "std:" : "lib:" + prefix + "\n", ctx);
    }
}

void FillMacroCache(CResolveContext& ctx) {
    CMacroTree tree;
    tree.RefreshMacroTree(ctx);
}
