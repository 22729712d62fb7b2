#pragma once
// Writing the command language: a header line, then one line per complete
// primitive, each ending in CR LF.
#include "model/primitive.h"

#include <string>

// "[KEYWORD title]" CR LF.
std::string FormatHeader(const char* keyword, const std::string& title);

// The command lines of a list, in list order, skipping incomplete primitives.
// bSplit asks for non-standard macros to be written as their components.
std::string FormatPrimitiveLines(const CPrimitiveList& list, bool bSplit);

// The text of one primitive as a drawing stores it.
std::string FormatPrimitive(const CPrimitive& p, bool bSplit);
