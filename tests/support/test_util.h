#pragma once
#include "format/reader.h"
#include "format/resolve_context.h"
#include "model/primitive.h"

#include <gtest/gtest.h>

// The object a single command line reads as, or null; with no library folders
// macro names resolve in the standard library only.
inline std::unique_ptr<CPrimitive> Read(const std::string& line) {
    CLibraryState library;
    return ParsePrimitiveLine(line, library.context);
}

// The primitives some lines read as, resolved as Read does.
inline CPrimitiveList ReadList(const std::string& lines) {
    CLibraryState library;
    CPrimitiveList list;
    ParseDrawingLines(lines, list, nullptr, library.context);
    return list;
}

// The command line an object writes.
inline std::string Written(const CPrimitive& p) {
    std::string s;
    p.GetTextLine(s, false);
    return s;
}

// The line a command reads and writes back as; "<rejected>" when it is not read.
inline std::string Normalised(const std::string& line) {
    auto p = Read(line);
    return p ? Written(*p) : "<rejected>";
}
