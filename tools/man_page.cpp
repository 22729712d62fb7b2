#include "man_page.h"

#include "view/program/version.h"

#include <cctype>
#include <cstring>

namespace {
// Hyphens in options are minus signs, which the terminal shows as "-" and a
// search for "--zoom" finds; a leading "." or "'" would be a request.
std::string Roff(const std::string& text) {
    std::string out = !text.empty() && (text[0] == '.' || text[0] == '\'') ? "\\&" : "";
    for (char c : text)
        out += c == '\\' ? std::string("\\e") : c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

// An option and its value stay on one line, as in --help.
std::string KeepBracketsWhole(const std::string& roff) {
    std::string out;
    int nDepth = 0;
    for (char c : roff) {
        nDepth += c == '[' ? 1 : c == ']' ? -1 : 0;
        out += c == ' ' && nDepth > 0 ? std::string("\\~") : std::string(1, c);
    }
    return out;
}

std::string Upper(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

void AppendSynopsis(std::string& out, const CUsage& u, bool bEnglish) {
    std::vector<std::string> lines = UsageSynopsis(u, nullptr, bEnglish);
    for (const CUsageText& t : u.tail)
        lines.push_back(std::string(u.pszProgram) + " " + t.Get(bEnglish));
    // Each line hangs, so that a wrapped one stands out from the next.
    const std::size_t n = std::string(u.pszProgram).size();
    out += ".in +4\n";
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i ? ".br\n" : "") + (".ti -4\n.B " + Roff(u.pszProgram)) + '\n' +
               KeepBracketsWhole(Roff(lines[i].substr(n + 1))) + '\n';
    out += ".in\n";
}

void AppendOptions(std::string& out, const CUsageCommand& c, bool bEnglish) {
    for (const CUsageOption& o : c.options) {
        out += ".TP\n";
        out += *o.pszArgument ? ".BI \"" + Roff(o.pszName) + " \" \"" +
                                    Roff(UsageValues(o.pszArgument, bEnglish)) + "\"\n"
                              : ".B " + Roff(o.pszName) + '\n';
        out += Roff(o.what.Get(bEnglish)) + ".\n";
    }
}

void AppendCommands(std::string& out, const CUsage& u, bool bEnglish) {
    if (u.commands.size() == 1 && !*u.commands[0].pszName) {
        out += bEnglish ? ".SH OPTIONS\n" : ".SH OPZIONI\n";
        AppendOptions(out, u.commands[0], bEnglish);
        return;
    }
    out += bEnglish ? ".SH COMMANDS\n" : ".SH COMANDI\n";
    for (const CUsageCommand& c : u.commands) {
        std::string what = c.what.Get(bEnglish);
        what[0] = char(std::toupper(static_cast<unsigned char>(what[0])));
        out += ".SS " + Roff(c.pszName) + "\n" + Roff(what) + ".\n";
        AppendOptions(out, c, bEnglish);
    }
}
bool EndsSentence(const std::string& text) {
    return !text.empty() && std::strchr(".?!", text.back());
}

void AppendSection(std::string& out, const CManSection& section) {
    out += std::string(".SH ") + section.pszTitle + '\n';
    for (const CManEntry& e : section.entries)
        out +=
            ".TP\n.B " + Roff(e.term) + '\n' + Roff(e.text) + (EndsSentence(e.text) ? "\n" : ".\n");
}
} // namespace

std::string ManPage(const CUsage& u, bool bEnglish, const char* seeAlso,
                    const std::vector<CManSection>& sections) {
    std::string out = ".TH " + Roff(Upper(u.pszProgram)) + " 1 \"\" \"" + kVersionLine + "\" \"" +
                      (bEnglish ? "User Commands" : "Comandi utente") + "\"\n.nh\n.ad l\n";
    out += bEnglish ? ".SH NAME\n" : ".SH NOME\n";
    out += Roff(u.pszProgram) + " \\- " + Roff(u.summary.Get(bEnglish)) + '\n';
    out += bEnglish ? ".SH SYNOPSIS\n" : ".SH SINTESI\n";
    AppendSynopsis(out, u, bEnglish);
    out += bEnglish ? ".SH DESCRIPTION\n" : ".SH DESCRIZIONE\n";
    out += Roff(u.description.Get(bEnglish)) + '\n';
    AppendCommands(out, u, bEnglish);
    for (const CManSection& section : sections)
        AppendSection(out, section);
    out += bEnglish ? ".SH SEE ALSO\n" : ".SH VEDERE ANCHE\n";
    out += ".BR " + Roff(seeAlso) + " (1)\n";
    return out;
}
