#pragma once
// Helpers for writing command lines.
#include "model/geometry.h"

#include <string>

// The keyword followed by " x y" for each of the n points.
std::string FormatCommand(const char* keyword, const CPoint* points, int n);
// " %d" for each value.
std::string FormatInts(std::initializer_list<long long> values);
// A string as the last field of a line keeps it when read back: cut before its
// first control character, without the leading blanks that reading skips
// after the field before and the trailing ones that reading a trimmed line drops.
std::string OneLineText(const std::string& s);
