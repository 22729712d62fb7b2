#pragma once
// A program's command line as data: what --help prints and what the manual
// pages are made from, in Italian and in English, so that they cannot differ.
#include <string>
#include <vector>

struct CUsageText {
    const char* pszItalian;
    const char* pszEnglish;
    const char* Get(bool bEnglish) const { return bEnglish ? pszEnglish : pszItalian; }
};

// One option (or sub-command word) and what follows it on the command line.
struct CUsageOption {
    const char* pszName;     // "--zoom", "-o", "list"
    const char* pszArgument; // "N", "X,Y", "" for none
    CUsageText what;
};

// A group of synopsis lines and the options they take: the program itself
// (empty name) or one of its commands.
struct CUsageCommand {
    const char* pszName;
    std::vector<const char*> synopsis; // each after the program's (and command's) name
    CUsageText what;
    std::vector<CUsageOption> options;
};

struct CUsage {
    const char* pszProgram;
    CUsageText summary;     // the one line of the page's name
    CUsageText description; // a paragraph
    std::vector<CUsageCommand> commands;
    std::vector<CUsageText> tail; // synopsis lines after every command's, e.g. "--help | --version"
};

// Every synopsis line, "tavolin-cli render [--size LxA] ..." ("command" alone
// when not null), with the values' names in the language.
std::vector<std::string> UsageSynopsis(const CUsage& usage, const char* command, bool bEnglish);

// A synopsis or an option's value with the values' names in the language:
// "LxA" is "WxH" in English.
std::string UsageValues(std::string text, bool bEnglish);

// The text of --help: "Uso:" and the synopsis, then what each option does.
std::string UsageText(const CUsage& usage, const char* command, bool bEnglish);

const CUsageCommand* FindUsageCommand(const CUsage& usage, const char* command);
