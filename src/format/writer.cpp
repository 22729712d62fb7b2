#include "format/writer.h"

std::string FormatHeader(const char* keyword, const std::string& title) {
    return std::string("[") + keyword + ' ' + title + "]\r\n";
}

std::string FormatPrimitive(const CPrimitive& p, bool) {
    std::string line;
    p.GetTextLine(line, false);
    return line;
}

std::string FormatPrimitiveLines(const CPrimitiveList& list, bool bSplit) {
    std::string out;
    out.reserve(list.size() * 24);
    for (const auto& p : list)
        if (p->IsComplete()) out += FormatPrimitive(*p, bSplit);
    return out;
}
