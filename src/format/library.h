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

// The name of the category each of `count` components belongs to, from the
// categories SplitLibraryText found.
std::vector<std::string> CategoryOfEachComponent(const std::vector<LibraryCategory>& categories,
                                                 std::size_t count);

// A whole library: "[TAVOLIB name]", then the components in order, each run of
// components of another category than the one before preceded by its "{name}"
// line (the unnamed category needs none at the start and is "{}" later).
// Every line ends in CR LF, whatever the component texts hold.
std::string FormatLibraryText(const std::string& name, const std::vector<std::string>& components,
                              const std::vector<std::string>& categories);
