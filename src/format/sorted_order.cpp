#include "format/sorted_order.h"

#include "format/reader.h"
#include "format/resolve.h"
#include "format/resolve_context.h"
#include "format/scan.h"
#include "format/writer.h"
#include "model/macro.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace {
struct SortedLine {
    CKeyword keyword;
    CPoint at;
    std::string text; // without its line end
};

bool operator<(const SortedLine& a, const SortedLine& b) {
    return std::make_tuple(a.keyword.c[0], a.keyword.c[1], a.at.y, a.at.x, std::cref(a.text)) <
           std::make_tuple(b.keyword.c[0], b.keyword.c[1], b.at.y, b.at.x, std::cref(b.text));
}

std::string WithoutLineEnd(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
        s.pop_back();
    return s;
}

// The primitive of one line; a symbol is read without resolving its name.
bool ParseSortedLine(std::string_view line, SortedLine& out, CResolveContext& none) {
    out.keyword = KeywordOf(line);
    std::unique_ptr<CPrimitive> p;
    if (out.keyword == "MC") {
        auto macro = std::make_unique<CMacro>();
        if (ParseMacroPlacement(line, *macro)) p = std::move(macro);
    } else {
        p = ParsePrimitiveLine(line, none);
    }
    if (!p) return false;
    out.at = p->GetPoint(0);
    out.text = WithoutLineEnd(FormatPrimitive(*p, false));
    return true;
}
} // namespace

bool SortedDrawingText(std::string_view text, std::string& out) {
    CHeaderSpan h;
    if (!SplitHeader(text, h) || (h.kind != TEXT_DRAWING && h.kind != TEXT_MACRO)) return false;
    std::vector<SortedLine> lines;
    CLibraryState none; // only "MC" lines would look into it, and those are not resolved
    std::string_view body = h.body;
    while (!body.empty()) {
        const std::size_t end = std::min(body.find('\n'), body.size());
        const std::string_view line = Trim(body.substr(0, end));
        body.remove_prefix(std::min(end + 1, body.size()));
        SortedLine sorted;
        if (!line.empty() && ParseSortedLine(line, sorted, none.context))
            lines.push_back(std::move(sorted));
    }
    std::sort(lines.begin(), lines.end());
    out = WithoutLineEnd(
              FormatHeader(h.kind == TEXT_MACRO ? "MACROCAD" : "TAVOLIN", std::string(h.name))) +
          '\n';
    for (const SortedLine& l : lines)
        out += l.text + '\n';
    return true;
}
