#include "format/writer.h"

#include "model/macro.h"

std::string FormatHeader(const char* keyword, const std::string& title) {
    return std::string("[") + keyword + ' ' + title + "]\r\n";
}

// The one rule for macros: standard-library macros ("~" names) are always
// written as their "MC" line; others are expanded when bSplit is set; a macro
// group, whose name is empty, always writes its components.
std::string FormatPrimitive(const CPrimitive& p, bool bSplit) {
    bool bExpand = false;
    if (p.GetCapabilities() & CAP_MACRO) {
        std::string name;
        p.GetProperty("Text", name);
        bExpand = bSplit && !IsStandardMacroName(name);
    }
    std::string line;
    p.GetTextLine(line, bExpand);
    return line;
}

std::string FormatPrimitiveLines(const CPrimitiveList& list, bool bSplit) {
    std::string out;
    out.reserve(list.size() * 24);
    for (const auto& p : list)
        if (p->IsComplete()) out += FormatPrimitive(*p, bSplit);
    return out;
}
