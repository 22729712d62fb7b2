#pragma once
// Library texts: categories in braces and components in brackets.
#include <string>
#include <string_view>
#include <vector>

struct LibraryCategory {
    std::string name;
    int nFirst = 0; // index of its first component
};

// Cuts the part of a library after its header into component texts (header
// line and non-empty body lines, each ending in LF) and, when asked, categories
// (the first one unnamed, at index 0).
bool SplitLibraryText(std::string_view text, std::vector<std::string>& components,
                      std::vector<LibraryCategory>* categories);
