#include "view/program/usage.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {
constexpr std::size_t kWidth = 79;

// The names of values that English spells otherwise: the tables say "LxA",
// larghezza per altezza.
const char* const kEnglishValueNames[][2] = {{"LxA", "WxH"}};

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// Breaks a synopsis line between words outside brackets, so that an option
// and its value stay together.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words(1);
    int nDepth = 0;
    for (char c : line) {
        nDepth += c == '[' ? 1 : c == ']' ? -1 : 0;
        if (c == ' ' && nDepth == 0) {
            if (!words.back().empty()) words.emplace_back();
        } else {
            words.back() += c;
        }
    }
    return words;
}

// Continuation lines start `hang` columns further in.
void AppendWrapped(std::string& out, const std::string& line, std::size_t indent,
                   std::size_t hang) {
    std::size_t column = indent;
    bool bFirst = true;
    out += std::string(indent, ' ');
    for (const std::string& w : Words(line)) {
        if (!bFirst && column + 1 + w.size() > kWidth) {
            out += '\n' + std::string(indent + hang, ' ');
            column = indent + hang;
        } else if (!bFirst) {
            out += ' ';
            ++column;
        }
        out += w;
        column += w.size();
        bFirst = false;
    }
    out += '\n';
}

std::string Left(const CUsageOption& o, bool bEnglish) {
    return *o.pszArgument ? std::string(o.pszName) + " " + UsageValues(o.pszArgument, bEnglish)
                          : o.pszName;
}

void AppendOptions(std::string& out, const CUsageCommand& c, bool bEnglish) {
    std::size_t width = 0;
    for (const CUsageOption& o : c.options)
        width = std::max(width, Left(o, bEnglish).size());
    for (const CUsageOption& o : c.options) {
        const std::string left = Left(o, bEnglish);
        out +=
            "  " + left + std::string(width + 2 - left.size(), ' ') + o.what.Get(bEnglish) + '\n';
    }
}

void AppendCommandList(std::string& out, const CUsage& u, bool bEnglish) {
    std::size_t width = 0;
    for (const CUsageCommand& c : u.commands)
        width = std::max(width, std::strlen(c.pszName));
    out += bEnglish ? "Commands:\n" : "Comandi:\n";
    for (const CUsageCommand& c : u.commands)
        out += "  " + std::string(c.pszName) +
               std::string(width + 2 - std::strlen(c.pszName), ' ') + c.what.Get(bEnglish) + '\n';
}
} // namespace

const CUsageCommand* FindUsageCommand(const CUsage& usage, const char* command) {
    for (const CUsageCommand& c : usage.commands)
        if (std::strcmp(c.pszName, command) == 0) return &c;
    return nullptr;
}

std::string UsageValues(std::string text, bool bEnglish) {
    if (!bEnglish) return text;
    for (const auto& [pszItalian, pszEnglish] : kEnglishValueNames) {
        const std::size_t n = std::strlen(pszItalian);
        for (std::size_t at = 0; (at = text.find(pszItalian, at)) != std::string::npos; at += n)
            if ((at == 0 || !IsNameChar(text[at - 1])) &&
                (at + n == text.size() || !IsNameChar(text[at + n])))
                text.replace(at, n, pszEnglish);
    }
    return text;
}

std::vector<std::string> UsageSynopsis(const CUsage& usage, const char* command, bool bEnglish) {
    std::vector<std::string> lines;
    const std::string program = usage.pszProgram;
    for (const CUsageCommand& c : usage.commands) {
        if (command && std::strcmp(c.pszName, command) != 0) continue;
        const std::string head = *c.pszName ? program + " " + c.pszName : program;
        for (const char* s : c.synopsis)
            lines.push_back(*s ? head + " " + UsageValues(s, bEnglish) : head);
    }
    return lines;
}

std::string UsageText(const CUsage& usage, const char* command, bool bEnglish) {
    const std::string uso = bEnglish ? "Usage: " : "Uso: ";
    std::string out;
    std::vector<std::string> lines = UsageSynopsis(usage, command, bEnglish);
    if (!command)
        for (const CUsageText& t : usage.tail)
            lines.push_back(std::string(usage.pszProgram) + " " + t.Get(bEnglish));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        AppendWrapped(out, lines[i], uso.size(), 4);
        if (i == 0) out.replace(0, uso.size(), uso);
    }
    const CUsageCommand* chosen = command ? FindUsageCommand(usage, command) : nullptr;
    if (chosen) {
        std::string what = std::string(chosen->what.Get(bEnglish)) + ".";
        what[0] = char(std::toupper(static_cast<unsigned char>(what[0])));
        AppendWrapped(out, what, 0, 0);
        AppendOptions(out, *chosen, bEnglish);
        return out;
    }
    AppendWrapped(out, usage.description.Get(bEnglish), 0, 0);
    if (usage.commands.size() == 1 && !*usage.commands[0].pszName)
        AppendOptions(out, usage.commands[0], bEnglish);
    else
        AppendCommandList(out, usage, bEnglish);
    return out;
}
