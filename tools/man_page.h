#pragma once
// A manual page in roff, made from the table that --help prints.
#include "view/program/usage.h"

#include <string>
#include <vector>

// A section after the options: a list of terms, each with its sentence.
struct CManEntry {
    std::string term;
    std::string text;
};
struct CManSection {
    const char* pszTitle;
    std::vector<CManEntry> entries;
};

// `seeAlso` names the other page of the package.
std::string ManPage(const CUsage& usage, bool bEnglish, const char* seeAlso,
                    const std::vector<CManSection>& sections = {});
