#pragma once
// Where the memory of a loaded document goes: the drawing's lines grouped by
// command, each group loaded alone, measured with the counting allocator.
#include <cstddef>
#include <cstdio>
#include <string>

void PrintMemoryBreakdown(std::FILE* out, const std::string& path);
