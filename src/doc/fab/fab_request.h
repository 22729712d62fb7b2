#pragma once
// What the command line and the editor share around a fabrication set: the
// lengths they accept, the set's name and date, and what they tell the user.
#include "doc/fab/fab_package.h"

#include <string>

// A length in millimetres up to 10 mm; zero only where bZeroOk.
bool ParseFabLength(const std::string& text, bool bZeroOk, std::int64_t& nm);
// The file name without its folder and extension: the files' NAME.
std::string FabStem(const std::string& path);
// Now, or SOURCE_DATE_EPOCH when it is set, so that a build can be repeated.
CFabDate FabDateNow();
// Why nothing was written; empty when the set may be written.
std::string FabRefusal(const CFabSet& set, int nOutlineLayer);
// "File scritti in WHERE:" and the files' names on the next line.
std::string FabWrittenMessage(const CFabSet& set, const std::string& where);
