#include "doc/files/autosave_text.h"

#include "doc/library/library_doc.h"
#include "doc/library/numbering.h"
#include "format/component.h"
#include "format/library.h"
#include "format/writer.h"

namespace {
std::string LibraryText(const CSchemoLibDoc& lib) {
    std::vector<std::string> texts = lib.ComponentTexts();
    const int n = lib.Current();
    if (lib.IsComponentShown() && n >= 0 && n < int(texts.size())) {
        const std::string key = lib.Fields().GetKey();
        const std::string title = lib.Fields().GetTitle();
        const bool bValid = !key.empty() && !title.empty() && IsValidShortName(key) &&
                            !lib.IsKeyUsed(key, n) &&
                            ReadComponentHeader(texts[n], nullptr, nullptr);
        if (bValid)
            texts[n] =
                "[" + key + " " + title + "]\r\n" + FormatPrimitiveLines(lib.Primitives(), false);
    }
    return FormatLibraryText(lib.m_strTitle, texts, lib.Categories());
}
} // namespace

std::string AutosaveText(CSchemoDoc& doc) {
    if (const auto* lib = dynamic_cast<const CSchemoLibDoc*>(&doc)) return LibraryText(*lib);
    // Without a file name no macro name is refused, and unsplit nothing is asked.
    std::string text;
    doc.Store(std::string(), false, text);
    return text;
}
