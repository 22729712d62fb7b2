#include "format/reader.h"

#include "format/parsers.h"
#include "format/resolve.h"
#include "format/scan.h"
#include "model/layers.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using Parser = std::unique_ptr<CPrimitive> (*)(std::string_view);

// The keywords of the language and the class that owns each, in the order the
// classes are tried.
struct Command {
    const char* keyword;
    Parser parse;
};
const Command kCommands[] = {
    {"LI", ParseLineCommand},    {"TX", ParseTextCommand},       {"TY", ParseTextCommand},
    {"TE", ParseTextCommand},    {"SA", ParseConnectionCommand}, {"BE", ParseBezierCommand},
    {"PV", ParsePolyCommand},    {"PP", ParsePolyCommand},       {"EV", ParseEllipseCommand},
    {"EP", ParseEllipseCommand}, {"RV", ParseRectangleCommand},  {"RP", ParseRectangleCommand},
    {"PL", ParsePCBLineCommand}, {"PA", ParsePCBPadCommand},
};

// Blanks are the bytes up to 32, control characters included, but a header
// ends with its line: the line feed is never skipped.
std::size_t SkipBlanks(std::string_view s, std::size_t p) {
    while (p < s.size() && s[p] != '\n' && static_cast<unsigned char>(s[p]) <= 32)
        ++p;
    return p;
}

struct HeaderMatch {
    int kind = TEXT_NONE;
    std::size_t afterKeyword = 0; // position just after the keyword
};

// The first "[" followed (after blanks) by one of the three keywords.
HeaderMatch FindHeader(std::string_view text) {
    static const struct {
        const char* word;
        int kind;
    } kKeywords[] = {
        {"TAVOLIN", TEXT_DRAWING}, {"MACROCAD", TEXT_MACRO}, {"TAVOLIB", TEXT_LIBRARY}};
    if (text.size() < 2) return {};
    for (std::size_t p = text.find('['); p != std::string_view::npos && p + 1 < text.size();
         p = text.find('[', p + 1)) {
        const std::size_t q = SkipBlanks(text, p + 1);
        for (const auto& k : kKeywords)
            if (text.compare(q, std::strlen(k.word), k.word) == 0)
                return {k.kind, q + std::strlen(k.word)};
    }
    return {};
}

// A macro has no layer of its own; its parts are told when its body is read.
bool OnNoLayer(const CPrimitive& p) {
    return !(p.GetCapabilities() & CAP_MACRO) && !CLayerTable::IsValid(p.GetLayer());
}
} // namespace

std::unique_ptr<CPrimitive> ParsePrimitiveLine(std::string_view line, CResolveContext& ctx) {
    const CKeyword k = KeywordOf(line);
    if (k == "MC") return ParseMacroCommand(line, ctx);
    for (const Command& c : kCommands)
        if (k == c.keyword) return c.parse(line);
    return nullptr;
}

bool ParseDrawingLines(std::string_view text, CPrimitiveList& list, int* pError,
                       CResolveContext& ctx) {
    list.clear();
    if (pError) *pError = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) continue;
        auto p = ParsePrimitiveLine(line, ctx);
        const int nError = !p ? READ_REFUSED : OnNoLayer(*p) ? READ_NO_LAYER : 0;
        if (pError) *pError |= nError;
        if (p) list.push_back(std::move(p));
    }
    return true;
}

int DetectTextKind(std::string_view text) {
    return FindHeader(text).kind;
}

bool SplitHeader(std::string_view text, CHeaderSpan& out) {
    const HeaderMatch h = FindHeader(text);
    if (h.kind == TEXT_NONE) return false;
    const std::size_t start = SkipBlanks(text, h.afterKeyword);
    const std::size_t close = text.find(']', start);
    const std::size_t lf = text.find('\n', start);
    if (close == std::string_view::npos || lf < close) return false;
    out.kind = h.kind;
    out.name = text.substr(start, close - start);
    out.body = text.substr(close + 1);
    return true;
}

bool ParseHeaderedText(std::string_view text, CPrimitiveList* list,
                       std::vector<std::string>* library, std::string* nameOut, int* pError,
                       int* pKind, std::vector<LibraryCategory>* categories, CResolveContext* ctx) {
    if (pError) *pError = 0;
    CHeaderSpan h;
    if (!SplitHeader(text, h)) {
        // The kind of a header whose name is malformed is still told.
        if (pKind) {
            const int nKind = FindHeader(text).kind;
            if (nKind != TEXT_NONE) *pKind = nKind;
        }
        return false;
    }
    if (pKind) *pKind = h.kind;
    if (nameOut) nameOut->assign(h.name);
    if (h.kind == TEXT_LIBRARY) {
        if (library) SplitLibraryText(h.body, *library, categories);
    } else if (list && ctx) {
        ParseDrawingLines(h.body, *list, pError, *ctx);
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    // Not blocking on the open: a FIFO without a writer would wait for ever;
    // read, it has nothing to give.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    out.clear();
    // A whole drawing can be tens of megabytes: room for exactly the file, not
    // the doubling a growing string would take.
    if (S_ISREG(st.st_mode) && st.st_size > 0 &&
        std::uintmax_t(st.st_size) < (std::uintmax_t(1) << 32))
        out.reserve(std::size_t(st.st_size));
    char buf[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        out.append(buf, std::size_t(n));
    }
    ::close(fd);
    return ok;
}

bool ReadTextFile(const std::string& path, CPrimitiveList* list, std::vector<std::string>* library,
                  std::string* nameOut, int* pError, int* pKind, std::string* rawOut,
                  CResolveContext* ctx) {
    std::string text;
    if (!ReadWholeFile(path, text)) return false;
    if (rawOut) {
        *rawOut = std::move(text);
        return true;
    }
    return ParseHeaderedText(text, list, library, nameOut, pError, pKind, nullptr, ctx);
}
