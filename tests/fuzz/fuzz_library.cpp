// A library text through the splitter, the component parser and the macro
// tree. The splitter is checked against a plain count of the bracket and brace
// lines; the tree against the categories and components it was built from.
#include "fuzz_util.h"

#include "format/component.h"
#include "format/library.h"
#include "format/macro_tree.h"
#include "format/scan.h"
#include "model/macro.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
const char kPrefix[] = "f";

// The lines of a text cut at LF, as the splitter sees them.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        out.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return out;
}

void CheckSplit(std::string_view rest, const std::vector<std::string>& comps,
                const std::vector<LibraryCategory>& cats) {
    std::size_t brackets = 0;
    std::vector<int> expectedFirst{0};
    for (std::string_view line : Lines(rest)) {
        if (!line.empty() && line[0] == '[')
            ++brackets;
        else if (!line.empty() && line[0] == '{')
            expectedFirst.push_back(int(brackets));
    }
    fuzz::Check(comps.size() == brackets, "one component per line starting with '['");
    fuzz::Check(cats.size() == expectedFirst.size(), "one category per '{' line, plus the first");
    fuzz::Check(cats[0].name.empty(), "the first category is unnamed");
    for (std::size_t c = 0; c < cats.size(); ++c) {
        fuzz::Check(cats[c].nFirst == expectedFirst[c],
                    "a category starts after the components before it");
        fuzz::Check(c == 0 || cats[c].nFirst >= cats[c - 1].nFirst,
                    "category indexes never decrease");
        fuzz::Check(cats[c].nFirst >= 0 && std::size_t(cats[c].nFirst) <= comps.size(),
                    "category index within range");
        fuzz::Check(cats[c].name.find('\n') == std::string::npos, "a category name is one line",
                    cats[c].name);
    }
    for (const std::string& t : comps) {
        fuzz::Check(!t.empty() && t[0] == '[' && t.back() == '\n',
                    "a component starts with '[' and ends with LF", t);
        fuzz::Check(t.find("\n\n") == std::string::npos, "a component keeps no empty line", t);
        for (std::string_view line : Lines(t))
            fuzz::Check(TrimRight(line).size() == line.size(),
                        "component lines are trimmed on the right", t);
    }
}

// Parses one component into a macro; the body's non-blank lines after the
// first ']' each give a primitive or set the error flag.
void CheckComponent(const std::string& text, std::string& key, std::string& title, bool& ok) {
    CMacro macro;
    int error = -1;
    ok = ParseComponent(text, &macro, &key, &title, &error, &fuzz::Program().context);
    fuzz::Check(ok == (text.find(']') != std::string::npos), "a component parses when it has ']'",
                text);
    if (!ok) return;
    fuzz::Check(key.find(' ') == std::string::npos, "a key holds no space", key);
    fuzz::Check(title.empty() || !IsTrimSpace(title[0]), "a title starts with no blank", title);
    std::size_t nonBlank = 0;
    for (std::string_view line : Lines(std::string_view(text).substr(text.find(']') + 1)))
        nonBlank += Trim(line).empty() ? 0 : 1;
    const std::size_t n = macro.m_components.size();
    fuzz::Check(n <= nonBlank, "at most one primitive per body line", text);
    fuzz::Check((error & READ_REFUSED) == (n < nonBlank ? READ_REFUSED : 0),
                "the error flags count refused body lines", text);
}

// What follows the header line's ']': the header is the first '[' that, after
// blanks, starts one of the three keywords.
std::string_view AfterHeader(std::string_view text) {
    for (std::size_t p = text.find('['); p != std::string_view::npos; p = text.find('[', p + 1)) {
        std::size_t q = p + 1;
        // Every byte up to 32 is a blank there, but the line feed ends the line.
        while (q < text.size() && text[q] != '\n' && static_cast<unsigned char>(text[q]) <= 32)
            ++q;
        for (const char* k : {"TAVOLIN", "MACROCAD", "TAVOLIB"}) {
            const std::string_view word(k);
            if (text.substr(q, word.size()) == word) {
                const std::size_t close = text.find(']', q + word.size());
                fuzz::Check(close != std::string_view::npos, "a parsed header has its ']'", text);
                return text.substr(close + 1);
            }
        }
    }
    fuzz::Fail("a parsed header can be found", text);
}

struct Expected {
    std::string label;
    bool folder;
    std::vector<std::pair<std::string, std::string>> leaves; // title, macro name
};

// Building the root parses the whole standard library, far slower than one
// input, so the tree is built once and each input's library item is removed
// again after the checks.
CMacroTree& Tree() {
    static CMacroTree tree;
    return tree;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrivateProgramDir();
    Tree().RefreshMacroTree(fuzz::Program().context);
    fuzz::Check(Tree().Root() && Tree().Root()->children.size() == 1,
                "an empty program folder gives the standard library alone");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzz::Program().cache.Clear();

    // Only a text with a library header is a library; anything else is split
    // whole, which the splitter must take as well.
    std::vector<std::string> comps;
    std::vector<LibraryCategory> cats;
    std::string name;
    int kind = TEXT_NONE;
    const bool headed = ParseHeaderedText(text, nullptr, &comps, &name, nullptr, &kind, &cats,
                                          &fuzz::Program().context) &&
                        kind == TEXT_LIBRARY;
    if (headed) {
        fuzz::Check(DetectTextKind(text) == TEXT_LIBRARY, "DetectTextKind agrees with the parse");
        CheckSplit(AfterHeader(text), comps, cats);
    } else {
        SplitLibraryText(text, comps, &cats);
        CheckSplit(text, comps, cats);
    }

    std::vector<std::string> keys(comps.size()), titles(comps.size());
    std::vector<bool> parses(comps.size());
    for (std::size_t i = 0; i < comps.size(); ++i) {
        bool ok = false;
        CheckComponent(comps[i], keys[i], titles[i], ok);
        parses[i] = ok;
    }

    CMacroTree& tree = Tree();
    tree.AddLibraryToTree(text, kPrefix, fuzz::Program().context);
    CMacroTreeItem* root = const_cast<CMacroTreeItem*>(tree.Root());
    struct Restore {
        CMacroTreeItem* root;
        ~Restore() { root->children.resize(1); }
    } restore{root};
    if (!headed) {
        fuzz::Check(root->children.size() == 1, "a text that is no library adds nothing");
        return 0;
    }
    fuzz::Check(root->children.size() == 2, "a library adds one item");
    const CMacroTreeItem& lib = *root->children[1];
    fuzz::Check(lib.label == name && lib.nImage == IMAGE_FOLDER,
                "the library item shows its title");

    // The items the categories and components call for, in order.
    std::vector<Expected> expected;
    for (std::size_t c = 0; c < cats.size(); ++c) {
        if (cats[c].name == "hidden") continue;
        const std::size_t last =
            c + 1 < cats.size() ? std::size_t(cats[c + 1].nFirst) : comps.size();
        Expected e{cats[c].name, !cats[c].name.empty(), {}};
        for (std::size_t i = std::size_t(cats[c].nFirst); i < last; ++i)
            if (parses[i]) e.leaves.emplace_back(titles[i], std::string(kPrefix) + "." + keys[i]);
        expected.push_back(std::move(e));
    }
    std::size_t at = 0;
    for (const Expected& e : expected) {
        const CMacroTreeItem* parent = &lib;
        std::size_t from = at;
        if (e.folder) {
            fuzz::Check(at < lib.children.size(), "a named category has its folder", e.label);
            parent = lib.children[at++].get();
            fuzz::Check(parent->label == e.label && parent->nImage == IMAGE_FOLDER &&
                            !parent->bHasName,
                        "a category folder shows its name", parent->label, e.label);
            from = 0;
        }
        for (const auto& [leafTitle, macroName] : e.leaves) {
            fuzz::Check(from < parent->children.size(), "every component has its leaf", macroName);
            const CMacroTreeItem& leaf = *parent->children[from++];
            fuzz::Check(leaf.bHasName && leaf.nImage == IMAGE_LEAF && leaf.children.empty(),
                        "a leaf carries a name", leaf.label);
            fuzz::Check(leaf.label == leafTitle && leaf.macroName == macroName,
                        "a leaf shows the component's title and name",
                        leaf.label + "|" + leaf.macroName, leafTitle + "|" + macroName);
            fuzz::Check(fuzz::Program().cache.Contains(macroName), "a listed macro is cached",
                        macroName);
        }
        if (e.folder)
            fuzz::Check(from == parent->children.size(), "a folder holds only its leaves", e.label);
        else
            at = from;
    }
    fuzz::Check(at == lib.children.size(), "the library holds nothing else");
    return 0;
}
