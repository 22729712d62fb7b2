#pragma once
// A drawing or macro text rewritten so that two versions compare line by line:
// the header, then one line per primitive ordered by keyword, by position (top
// to bottom, then left to right) and, among equals, by the whole line. Every
// line ends in LF. Symbols are not looked up: an "MC" line stays the placement
// and the name it gives, whatever the libraries hold. Lines that are not
// complete commands are left out, as reading leaves them out.
#include <string>
#include <string_view>

// False when the text is not a drawing or a macro.
bool SortedDrawingText(std::string_view text, std::string& out);
