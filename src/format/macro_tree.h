#pragma once
// What the tree of available macros holds: the root "Macro disponibili", one
// item per library with its categories, and leaves that carry a macro name.
// The macro bar shows it; this model knows nothing of widgets.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CResolveContext;

enum MacroTreeImage { IMAGE_ROOT = 0, IMAGE_FOLDER = 1, IMAGE_FOLDER_OPEN = 2, IMAGE_LEAF = 3 };

struct CMacroTreeItem {
    std::string label;
    int nImage = IMAGE_LEAF;
    int nSelectedImage = IMAGE_LEAF;
    bool bHasName = false;
    std::string macroName; // a leaf's macro name
    std::string key;       // a leaf's component key, or a single macro's file base name
    std::string file;      // a leaf's library or macro file; empty for the standard library
    std::vector<std::unique_ptr<CMacroTreeItem>> children;

    CMacroTreeItem* Add(std::string text, int nImg, int nSelImg);
};

class CMacroTree {
  public:
    // Rebuilds the tree: the standard library, the libraries of `libs` and the
    // single macros of `macros` of every library folder, each name once (the
    // first found). Fills the context's macro cache with the names it shows.
    void RefreshMacroTree(CResolveContext& ctx);
    // Adds a library text's visible components; prefix "" is the standard library.
    void AddLibraryToTree(std::string_view text, const std::string& prefix, CResolveContext& ctx);
    void ClearMacroTree() { m_root.reset(); }

    const CMacroTreeItem* Root() const { return m_root.get(); }

  private:
    void AddMacroFiles(const CResolveContext& ctx);
    std::unique_ptr<CMacroTreeItem> m_root;
};

// Fills the macro cache as the program does at start, by building the tree once:
// every visible component of the standard library and of the libraries in
// `libs`, under the name the tree gives it. Only this way is "K" of a.b.tvl
// found as "a.b.K", since a name is otherwise split at its first dot. Every
// way of reading drawings calls it first, so that they resolve names alike.
void FillMacroCache(CResolveContext& ctx);
