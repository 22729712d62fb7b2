#include "cli.h"

#include "view/version.h"

#include <cstdio>
#include <cstring>

namespace {
struct CommandUsage {
    const char* name;
    const char* lines;
};
// Every option of every command: the top usage is all of them.
const CommandUsage kUsages[] = {
    {"normalize",
     "  tavolin-cli normalize [--split] [--as drawing|macro] [--program-dir DIR] IN [-o OUT]\n"
     "  tavolin-cli normalize --sorted IN [-o OUT]\n"},
    {"render", "  tavolin-cli render [--program-dir DIR] IN -o OUT.png [--size LxA]\n"
               "         [--view X,Y] [--zoom N] [--grid GX,GY] [--origin-mark] [--stretch]\n"},
    {"library", "  tavolin-cli library list [FILE.tvl]\n"
                "  tavolin-cli library dump\n"
                "  tavolin-cli library sheet [--program-dir DIR] [FILE.tvl] -o OUT.png\n"},
    {"export", "  tavolin-cli export [--program-dir DIR] IN -o OUT.bmp|.emf|.png|.svg|.pdf\n"
               "         [--relative --zoom N | --absolute --dpi N] [--microns N] [--antialias]\n"},
    {"diff", "  tavolin-cli diff [--program-dir DIR] OLD NEW [-o OUT.png|.svg|.pdf]\n"
             "         [--size LxA] [--context N|all] [--text] [--open]\n"},
};
} // namespace

bool IsCommand(const char* command) {
    for (const CommandUsage& u : kUsages)
        if (std::strcmp(u.name, command) == 0) return true;
    return false;
}

void PrintUsage(const char* command, std::FILE* out) {
    std::fputs("Uso:\n", out);
    for (const CommandUsage& u : kUsages)
        if (!command || std::strcmp(u.name, command) == 0) std::fputs(u.lines, out);
    if (!command)
        std::fputs("  tavolin-cli COMANDO --help\n"
                   "  tavolin-cli --help | --version\n",
                   out);
}

void PrintVersion() {
    std::printf("%s\n", kVersionLine);
}
