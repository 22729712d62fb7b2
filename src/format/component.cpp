#include "format/component.h"

#include "format/reader.h"
#include "format/scan.h"
#include "model/macro.h"

bool ParseComponent(const std::string& text, CMacro* macro, std::string* keyOut,
                    std::string* titleOut, int* pError, CResolveContext* ctx) {
    const std::string_view trimmed = TrimLeft(text);
    if (trimmed.empty() || trimmed[0] != '[') return false;
    const std::string_view afterBracket = TrimLeft(trimmed.substr(1));
    const std::size_t close = afterBracket.find(']');
    if (close == std::string_view::npos) return false;
    const std::string_view inner = afterBracket.substr(0, close);
    const std::size_t space = inner.find(' ');
    if (keyOut)
        keyOut->assign(space == std::string_view::npos ? std::string_view()
                                                       : inner.substr(0, space));
    if (titleOut)
        titleOut->assign(TrimLeft(space == std::string_view::npos ? inner : inner.substr(space)));
    const std::size_t end = text.find(']');
    if (macro && end + 1 < text.size())
        return ctx && ParseDrawingLines(std::string_view(text).substr(end + 1),
                                        macro->GetComponents(), pError, *ctx);
    if (pError) *pError = 0;
    return true;
}

std::string ComponentHeaderLine(const std::string& text) {
    std::string_view line(text);
    line = line.substr(0, line.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return std::string(line);
}

bool ReadComponentHeader(const std::string& text, std::string* keyOut, std::string* titleOut) {
    return ParseComponent(ComponentHeaderLine(text), nullptr, keyOut, titleOut, nullptr, nullptr);
}
