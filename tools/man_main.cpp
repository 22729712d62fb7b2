// Build-time generator of the manual pages from the tables of --help:
//   tavolin-man PROGRAM it|en OUT   writes the page
//   tavolin-man PROGRAM options     lists every option and command word
#include "cli_usage_table.h"
#include "man_page.h"
#include "man_sections.h"

#include "qtlayer/qt_translate.h"
#include "view/program/command_line.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>

int main(int argc, char** argv) {
    const bool bCli = argc >= 3 && std::strcmp(argv[1], "tavolin-cli") == 0;
    if (argc < 3 || (!bCli && std::strcmp(argv[1], "tavolin") != 0)) {
        std::fputs("Uso: tavolin-man tavolin|tavolin-cli it|en OUT | options\n", stderr);
        return 2;
    }
    const CUsage& usage = bCli ? CliUsageTable() : CommandLineUsageTable();
    if (std::strcmp(argv[2], "options") == 0) {
        std::set<std::string> names;
        for (const CUsageCommand& c : usage.commands) {
            if (*c.pszName) names.insert(c.pszName);
            for (const CUsageOption& o : c.options)
                names.insert(o.pszName);
        }
        for (const std::string& n : names)
            std::printf("%s\n", n.c_str());
        return 0;
    }
    if (argc != 4) return 2;
    const bool bEnglish = std::strcmp(argv[2], "en") == 0;
    if (bEnglish && !LoadEnglishTranslation()) return 2;
    std::ofstream out(argv[3], std::ios::binary);
    out << (bCli ? ManPage(usage, bEnglish, "tavolin")
                 : ManPage(usage, bEnglish, "tavolin-cli", EditorManSections(bEnglish)));
    return out.good() ? 0 : 2;
}
