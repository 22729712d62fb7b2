#pragma once
// A manual page in roff, made from the table that --help prints.
#include "view/usage.h"

#include <string>

// `seeAlso` names the other page of the package.
std::string ManPage(const CUsage& usage, bool bEnglish, const char* seeAlso);
