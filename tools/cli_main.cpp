#include "cli.h"

#include "doc/document/document.h"
#include "format/macro_tree.h"
#include "format/program_dir.h"
#include "format/resolve_context.h"
#include "qtlayer/qt_translate.h"

#include <cstdio>
#include <cstring>

void UseProgramDir(CLibraryState& library, const std::string& dir) {
    library.folders = DefaultLibraryFolders(dir);
    FillMacroCache(library.context);
}

bool LoadForTool(CSchemoDoc& doc, const std::string& path) {
    return doc.LoadFile(path == "-" ? "/dev/stdin" : path);
}

bool WriteStdout(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

int main(int argc, char** argv) {
    LoadUiTranslation();
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        PrintUsage(nullptr, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        PrintVersion();
        return 0;
    }
    if (argc < 2 || !IsCommand(argv[1])) {
        PrintUsage(nullptr, stderr);
        return 2;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    // COMMAND --help, wherever it stands among the command's arguments.
    for (const std::string& a : args)
        if (a == "--help") {
            PrintUsage(argv[1], stdout);
            return 0;
        }
    if (std::strcmp(argv[1], "normalize") == 0) return RunNormalize(args);
    if (std::strcmp(argv[1], "render") == 0) return RunRender(args);
    if (std::strcmp(argv[1], "library") == 0) return RunLibrary(args);
    if (std::strcmp(argv[1], "diff") == 0) return RunDiff(args);
    if (std::strcmp(argv[1], "gerber") == 0) return RunGerber(args);
    if (std::strcmp(argv[1], "drc") == 0) return RunDrc(args);
    if (std::strcmp(argv[1], "nets") == 0) return RunNets(args);
    return RunExport(args);
}
