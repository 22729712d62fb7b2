// tavolin-cli library: list, dump and draw the components of a library.
#include "cli.h"
#include "cli_args.h"
#include "qtlayer/qt_translate.h"

#include "format/component.h"
#include "format/library_files.h"
#include "format/reader.h"
#include "format/resolve_context.h"
#include "format/stdlib.h"

#include <cstdio>

namespace {
struct LibraryOptions {
    std::string action, file, out, programDir;
};

// list takes a library file, dump nothing; only the sheet draws, by name.
bool ParseOptions(const std::vector<std::string>& args, LibraryOptions& o) {
    if (args.empty()) return false;
    o.action = args[0];
    const bool bList = o.action == "list", bSheet = o.action == "sheet";
    if (!bList && !bSheet && o.action != "dump") return false;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    CArgWalker w(rest);
    while (w.Next()) {
        const bool bTaken = bSheet ? w.Value("-o", o.out) ||
                                         w.Value("--program-dir", o.programDir) || w.Plain(o.file)
                                   : bList && w.Plain(o.file);
        if (!bTaken) w.Stray();
    }
    return w.Ok() && (!bSheet || !o.out.empty());
}

// The file's base name, up to its last ".", as a macro name's prefix.
std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// Null, after the message, when the file cannot be read or is not a library.
std::shared_ptr<const CLibraryIndex> ReadLibraryArgument(const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        std::fprintf(stderr, "%s\n", TrMessageBytes(MSG_CANNOT_OPEN).c_str());
        return nullptr;
    }
    auto index = IndexLibraryText(text);
    if (!index) std::fprintf(stderr, "%s\n", TrMessageBytes(MSG_BAD_FORMAT).c_str());
    return index;
}

// A tab inside a field would add a column: it is written as a space.
std::string Field(std::string s) {
    for (char& c : s)
        if (c == '\t') c = ' ';
    return s;
}

int List(const CLibraryIndex& lib, const std::string& prefix) {
    const auto& cats = lib.categories;
    for (std::size_t c = 0; c < cats.size(); ++c) {
        const std::size_t last =
            c + 1 < cats.size() ? std::size_t(cats[c + 1].nFirst) : lib.components.size();
        for (std::size_t i = std::size_t(cats[c].nFirst); i < last; ++i) {
            std::string key, title;
            if (!ParseComponent(lib.components[i], nullptr, &key, &title, nullptr, nullptr))
                continue;
            const std::string name = prefix.empty() ? "~" + key : prefix + "." + key;
            std::printf("%s\t%s\t%s\t%s\n", Field(cats[c].name).c_str(), Field(key).c_str(),
                        Field(title).c_str(), Field(name).c_str());
        }
    }
    return 0;
}
} // namespace

int RunLibrary(const std::vector<std::string>& args) {
    LibraryOptions o;
    if (!ParseOptions(args, o)) {
        PrintUsage("library", stderr);
        return 2;
    }
    if (o.action == "dump") {
        return WriteStdout(StandardLibraryText()) ? 0 : 2;
    }
    std::shared_ptr<const CLibraryIndex> lib;
    if (!o.file.empty() && !(lib = ReadLibraryArgument(o.file))) return 2;
    const CLibraryIndex& index = lib ? *lib : StandardLibrary();
    const std::string prefix = lib ? BaseName(o.file) : std::string();
    if (o.action == "list") return List(index, prefix);
    CLibraryState library;
    UseProgramDir(library, o.programDir); // the sheet draws its symbols by name
    return DrawLibrarySheet(index, prefix, o.out, library.context);
}
