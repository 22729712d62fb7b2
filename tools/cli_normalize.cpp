// tavolin-cli normalize: reads a drawing or macro as a document is opened and
// writes it back as a document is saved.
#include "cli.h"

#include "format/program_dir.h"
#include "format/reader.h"
#include "format/writer.h"

#include <cstdio>

namespace {
struct NormalizeOptions {
    bool bSplit = false;
    bool bMacro = false;
    std::string programDir, in, out;
};

bool ParseOptions(const std::vector<std::string>& args, NormalizeOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--split") o.bSplit = true;
        else if (a == "--as" && hasValue) {
            const std::string& v = args[++i];
            if (v != "drawing" && v != "macro") return false;
            o.bMacro = v == "macro";
        } else if (a == "--program-dir" && hasValue) o.programDir = args[++i];
        else if (a == "-o" && hasValue) o.out = args[++i];
        else if (!a.empty() && a[0] == '-' && a != "-") return false;
        else if (o.in.empty()) o.in = a;
        else return false;
    }
    return !o.in.empty();
}

bool WriteOutput(const std::string& path, const std::string& text) {
    std::FILE* f = path.empty() ? stdout : std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = (path.empty() ? std::fflush(f) == 0 : std::fclose(f) == 0) && ok;
    return ok;
}
} // namespace

int RunNormalize(const std::vector<std::string>& args) {
    NormalizeOptions o;
    if (!ParseOptions(args, o)) {
        std::fputs("Uso: tavolin-cli normalize [--split] [--as drawing|macro] "
                   "[--program-dir DIR] IN [-o OUT]\n",
                   stderr);
        return 2;
    }
    g_strProgramDir = o.programDir.empty() ? ExecutableDir() : o.programDir;
    std::string text, title;
    CPrimitiveList list;
    int nError = 0, nKind = TEXT_NONE;
    if (!ReadWholeFile(o.in == "-" ? "/dev/stdin" : o.in, text) ||
        !ParseHeaderedText(text, &list, nullptr, &title, &nError, &nKind, nullptr) ||
        (nKind != TEXT_DRAWING && nKind != TEXT_MACRO)) {
        std::fprintf(stderr, "%s\n", MSG_BAD_FORMAT);
        return 2;
    }
    const std::string out = FormatHeader(o.bMacro ? "MACROCAD" : "TAVOLIN", title) +
                            FormatPrimitiveLines(list, o.bSplit);
    if (!WriteOutput(o.out, out)) {
        std::fprintf(stderr, "Impossibile scrivere il file %s.\n", o.out.c_str());
        return 2;
    }
    if (nError) {
        std::fprintf(stderr, "%s\n", MSG_READ_ERRORS);
        return 1;
    }
    return 0;
}
