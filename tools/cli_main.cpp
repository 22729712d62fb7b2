#include "cli.h"

#include "doc/document.h"
#include "format/macro_tree.h"
#include "format/program_dir.h"

#include <cstdio>
#include <cstring>

void UseProgramDir(const std::string& dir) {
    g_libraryFolders = DefaultLibraryFolders(dir);
    FillMacroCache();
}

bool LoadForTool(CSchemoDoc& doc, const std::string& path) {
    return doc.LoadFile(path == "-" ? "/dev/stdin" : path);
}

namespace {
void Usage() {
    std::fputs("Uso:\n"
               "  tavolin-cli normalize [--split] [--as drawing|macro] [--program-dir DIR] IN "
               "[-o OUT]\n"
               "  tavolin-cli render [--program-dir DIR] IN -o OUT.png [--size WxH]\n"
               "  tavolin-cli library list [FILE.tvl]\n"
               "  tavolin-cli library dump\n"
               "  tavolin-cli library sheet [--program-dir DIR] [FILE.tvl] -o OUT.png\n"
               "  tavolin-cli export [--program-dir DIR] IN -o OUT [--relative --zoom N | "
               "--absolute --dpi N] [--microns N] [--antialias]\n",
               stderr);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage();
        return 2;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (std::strcmp(argv[1], "normalize") == 0) return RunNormalize(args);
    if (std::strcmp(argv[1], "render") == 0) return RunRender(args);
    if (std::strcmp(argv[1], "library") == 0) return RunLibrary(args);
    if (std::strcmp(argv[1], "export") == 0) return RunExport(args);
    Usage();
    return 2;
}
