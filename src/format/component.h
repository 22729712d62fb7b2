#pragma once
// One component text of a library: "[key title]" and its body lines.
#include <string>

class CMacro;
class CResolveContext;

// False when the text does not start (after blanks) with "[" or has no "]".
// Otherwise stores key and title when asked and, with a macro, parses the body
// into its components (resolving its macro names in `ctx`, which is needed
// only then), answering the parse's result.
bool ParseComponent(const std::string& text, CMacro* macro, std::string* keyOut,
                    std::string* titleOut, int* pError, CResolveContext* ctx);

// The first line of a component text, without its line end.
std::string ComponentHeaderLine(const std::string& text);

// Key and title of a component whose first line is a whole header ("[", then
// "]" on the same line); false for a broken header, even when a "]" follows
// further down.
bool ReadComponentHeader(const std::string& text, std::string* keyOut, std::string* titleOut);
