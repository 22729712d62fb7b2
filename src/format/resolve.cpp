#include "format/resolve.h"

#include "format/component.h"
#include "format/program_dir.h"
#include "format/reader.h"
#include "format/resolve_context.h"
#include "format/scan.h"
#include "format/stdlib.h"

#include <algorithm>
#include <vector>

namespace {
class CResolvingScope {
  public:
    CResolvingScope(const std::string& identity, CResolveContext& context) : m_context(context) {
        std::vector<std::string>& resolving = m_context.resolving;
        m_bOk = resolving.size() < std::size_t(MAX_MACRO_DEPTH) &&
                std::find(resolving.begin(), resolving.end(), identity) == resolving.end();
        if (m_bOk && resolving.empty()) m_context.nCopied = 0;
        if (m_bOk) resolving.push_back(identity);
    }
    ~CResolvingScope() {
        if (m_bOk) m_context.resolving.pop_back();
    }
    bool Ok() const { return m_bOk; }

  private:
    CResolveContext& m_context;
    bool m_bOk;
};

bool StartsWithTilde(const std::string& s) {
    return !s.empty() && s[0] == '~';
}

bool TooLarge(const CMacro& macro) {
    return CountPrimitives(macro) > MAX_MACRO_PRIMITIVES;
}

bool FromLibraryFile(const std::string& name, CMacro& macro, int* pError, CResolveContext& ctx) {
    const std::size_t dot = name.find('.');
    const std::string library(Trim(std::string_view(name).substr(0, dot)));
    const std::string key(Trim(std::string_view(name).substr(dot + 1)));
    if (!IsSafeFileBase(library)) return false;
    const auto index = ctx.files.Load(LibraryFilePath(ctx.folders, library));
    const std::string* text = index ? index->Find(key) : nullptr;
    if (!text ||
        !ParseComponentGuarded("lib:" + library + "\n" + key, *text, macro, nullptr, nullptr,
                               pError, ctx) ||
        TooLarge(macro))
        return false;
    macro.m_strName = name;
    ctx.cache.Store(name, macro);
    return true;
}

bool FromStandardLibrary(const std::string& name, const std::string& key, const std::string& base,
                         CMacro& macro, int* pError, CResolveContext& ctx) {
    const std::string* text = StandardLibrary().Find(base);
    if (!text ||
        !ParseComponentGuarded("std:" + base, *text, macro, nullptr, nullptr, pError, ctx) ||
        TooLarge(macro))
        return false;
    macro.m_strName = key;
    ctx.cache.Store(name, macro);
    ctx.cache.Store(key, macro);
    return true;
}

bool FromMacroFile(const std::string& name, const std::string& key, const std::string& base,
                   CMacro& macro, int* pError, CResolveContext& ctx) {
    if (!IsSafeFileBase(base)) return false;
    CResolvingScope guard("file:" + base, ctx);
    if (!guard.Ok() ||
        !ReadTextFile(MacroFilePath(ctx.folders, base), &macro.GetComponents(), nullptr, nullptr,
                      pError, nullptr, nullptr, &ctx) ||
        TooLarge(macro))
        return false;
    if (!ctx.cache.Contains(key)) {
        macro.m_strName = name;
        ctx.cache.Store(name, macro);
    }
    return true;
}
} // namespace

bool ParseComponentGuarded(const std::string& identity, const std::string& text, CMacro& macro,
                           std::string* keyOut, std::string* titleOut, int* pError,
                           CResolveContext& ctx) {
    CResolvingScope guard(identity, ctx);
    return guard.Ok() && ParseComponent(text, &macro, keyOut, titleOut, pError, &ctx);
}

bool ResolveMacro(const std::string& name, CMacro& macro, int* pError, int* pKeep,
                  CResolveContext& context) {
    if (pError) *pError = 0;
    const bool bTilde = StartsWithTilde(name);
    if (pKeep) *pKeep = (bTilde && name.find('.') != std::string::npos) ? 1 : 0;
    const std::string key = bTilde ? name : "~" + name;
    const std::string base = bTilde ? name.substr(1) : name;
    if (const CMacro* cached = context.cache.Find(name)) {
        const std::size_t n = context.cache.PrimitiveCount(name);
        if (n > MAX_MACRO_PRIMITIVES) return false;
        if (!context.resolving.empty() && (context.nCopied += n) > MAX_MACRO_PRIMITIVES)
            return false;
        macro.Assign(*cached);
        macro.m_strName = (bTilde || context.cache.Contains(key)) ? key : name;
        return true;
    }
    if (name.find('.') != std::string::npos) return FromLibraryFile(name, macro, pError, context);
    return FromStandardLibrary(name, key, base, macro, pError, context) ||
           FromMacroFile(name, key, base, macro, pError, context);
}

bool ParseMacroPlacement(std::string_view line, CMacro& macro) {
    if (KeywordOf(line) != "MC") return false;
    const std::string_view rest = AfterKeyword(line);
    CPoint origin = POINT_UNSET;
    int nOrientation = 0, bMirrored = 0;
    CFieldScanner sc(rest);
    if (!sc.Int(origin.x) || !sc.Int(origin.y) || !sc.Int(nOrientation) || !sc.Int(bMirrored))
        return false;
    macro.m_strName = RestFromToken(rest, 4);
    if (macro.m_strName.empty()) return false;
    macro.m_points[0] = origin;
    macro.m_nOrientation = nOrientation;
    macro.m_bMirrored = bMirrored;
    macro.SaveState();
    return macro.IsComplete();
}

std::unique_ptr<CPrimitive> ParseMacroCommand(std::string_view line, CResolveContext& ctx) {
    CMacro placed;
    if (!ParseMacroPlacement(line, placed)) return nullptr;
    auto macro = std::make_unique<CMacro>();
    int nKeep = 0;
    if (!ResolveMacro(placed.m_strName, *macro, nullptr, &nKeep, ctx)) return nullptr;
    macro->m_points[0] = placed.m_points[0];
    macro->m_nOrientation = placed.m_nOrientation;
    macro->m_bMirrored = placed.m_bMirrored;
    macro->SaveState();
    if (nKeep) macro->m_strName = "~" + macro->m_strName;
    macro->PlaceComponents();
    return macro;
}
