#include "doc/diff/library_diff.h"

#include "format/component.h"
#include "model/macro.h"
#include "model/translate_noop.h"

#include <algorithm>
#include <map>

CPrimitiveList ComponentPrimitives(const std::string& text, CResolveContext& ctx) {
    CMacro macro;
    int nError = 0;
    ParseComponent(text, &macro, nullptr, nullptr, &nError, &ctx);
    return std::move(macro.m_components);
}

namespace {
struct CParsedComponent {
    std::string key, title;
    CPrimitiveList list; // in library coordinates
};

CParsedComponent Parse(const std::string& text, CResolveContext& ctx) {
    CParsedComponent c;
    ReadComponentHeader(text, &c.key, &c.title);
    c.list = ComponentPrimitives(text, ctx);
    return c;
}

std::string Header(const CParsedComponent& c) {
    return "[" + c.key + " " + c.title + "]";
}

// Key to the component indices under it, in library order.
std::map<std::string, std::vector<int>> ByKey(const std::vector<std::string>& texts) {
    std::map<std::string, std::vector<int>> out;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string key;
        ReadComponentHeader(texts[i], &key, nullptr);
        out[key].push_back(int(i));
    }
    return out;
}

CLibraryChange Compare(const std::string& key, int o, int n,
                       const std::vector<std::string>& oldTexts,
                       const std::vector<std::string>& newTexts, CResolveContext& ctx) {
    CLibraryChange c;
    c.strKey = key;
    c.nOld = o;
    c.nNew = n;
    c.nKind = o < 0 ? LIBRARY_ADDED : n < 0 ? LIBRARY_REMOVED : LIBRARY_CHANGED;
    const CParsedComponent a = o < 0 ? CParsedComponent() : Parse(oldTexts[std::size_t(o)], ctx);
    const CParsedComponent b = n < 0 ? CParsedComponent() : Parse(newTexts[std::size_t(n)], ctx);
    c.strHeader = Header(n < 0 ? a : b);
    c.drawing = CompareLists(o < 0 ? b.title : a.title, a.list, n < 0 ? a.title : b.title, b.list,
                             key.c_str());
    return c;
}
} // namespace

CLibraryDiff CompareLibraries(const std::string& oldName, const std::vector<std::string>& oldTexts,
                              const std::string& newName, const std::vector<std::string>& newTexts,
                              CResolveContext& ctx) {
    CLibraryDiff d;
    d.strOldName = oldName;
    d.strNewName = newName;
    const auto oldKeys = ByKey(oldTexts), newKeys = ByKey(newTexts);
    std::map<std::string, std::pair<std::vector<int>, std::vector<int>>> keys;
    for (const auto& k : oldKeys)
        keys[k.first].first = k.second;
    for (const auto& k : newKeys)
        keys[k.first].second = k.second;
    for (const auto& k : keys) {
        const std::vector<int>&olds = k.second.first, &news = k.second.second;
        for (std::size_t i = 0; i < std::max(olds.size(), news.size()); ++i) {
            const int o = i < olds.size() ? olds[i] : -1, n = i < news.size() ? news[i] : -1;
            // Most components of two versions are the same text: nothing to parse.
            if (o >= 0 && n >= 0 && oldTexts[std::size_t(o)] == newTexts[std::size_t(n)]) continue;
            CLibraryChange c = Compare(k.first, o, n, oldTexts, newTexts, ctx);
            if (c.nKind != LIBRARY_CHANGED || !c.drawing.Same()) d.changes.push_back(std::move(c));
        }
    }
    return d;
}

std::string CLibraryChange::Text() const {
    if (nKind != LIBRARY_CHANGED) return (nKind == LIBRARY_ADDED ? "+ " : "- ") + strHeader + '\n';
    std::string out = "~ " + strHeader + '\n';
    for (const CDrawingChange& c : drawing.changes)
        out += "  " + c.TextLine() + '\n';
    return out;
}

int CLibraryDiff::Count(ELibraryChangeKind kind) const {
    return int(std::count_if(changes.begin(), changes.end(),
                             [kind](const CLibraryChange& c) { return c.nKind == kind; }));
}

namespace {
const char* const kLibraryWords[][2] = {
    {QT_TRANSLATE_NOOP("CLibraryDiff", "aggiunto"), QT_TRANSLATE_NOOP("CLibraryDiff", "aggiunti")},
    {QT_TRANSLATE_NOOP("CLibraryDiff", "rimosso"), QT_TRANSLATE_NOOP("CLibraryDiff", "rimossi")},
    {QT_TRANSLATE_NOOP("CLibraryDiff", "modificato"),
     QT_TRANSLATE_NOOP("CLibraryDiff", "modificati")},
};
} // namespace

std::string CLibraryDiff::Legend(LegendWords words) const {
    std::string out;
    for (int k = LIBRARY_ADDED; k <= LIBRARY_CHANGED; ++k) {
        const int n = Count(ELibraryChangeKind(k));
        const char* pszWord = kLibraryWords[k][n == 1 ? 0 : 1];
        out += (out.empty() ? "" : ", ") + std::to_string(n) + ' ' +
               (words ? words("CLibraryDiff", pszWord) : pszWord);
    }
    return out;
}

std::string CLibraryDiff::Text() const {
    std::string out;
    if (strOldName != strNewName)
        out += "~ [TAVOLIB " + strOldName + "] -> [TAVOLIB " + strNewName + "]\n";
    for (const CLibraryChange& c : changes)
        out += c.Text();
    return out;
}
