// tavolin-cli normalize: reads a drawing or macro as a document is opened and
// writes it back as a document is saved.
#include "cli.h"
#include "cli_args.h"
#include "cli_ui.h"
#include "qtlayer/qt_translate.h"

#include "doc/document/document.h"
#include "doc/files/safe_file.h"
#include "format/reader.h"
#include "format/resolve_context.h"
#include "format/sorted_order.h"

#include <cstdio>

namespace {
struct NormalizeOptions {
    bool bSplit = false;
    bool bMacro = false;
    bool bSorted = false;
    std::string programDir, in, out;
};

bool ParseOptions(const std::vector<std::string>& args, NormalizeOptions& o) {
    CArgWalker w(args);
    std::string as = "drawing";
    while (w.Next()) {
        if (w.Flag("--split"))
            o.bSplit = true;
        else if (w.Flag("--sorted"))
            o.bSorted = true;
        else if (!w.Value("--as", as) && !w.Value("--program-dir", o.programDir) &&
                 !w.Value("-o", o.out) && !w.Plain(o.in))
            w.Stray();
    }
    if (w.Ok() && as != "drawing" && as != "macro") {
        std::fputs(
            TrCoreBytes("tavolin-cli",
                        QT_TRANSLATE_NOOP("tavolin-cli",
                                          "Il valore di --as deve essere drawing o macro.\n"))
                .c_str(),
            stderr);
        return false;
    }
    o.bMacro = as == "macro";
    return w.Ok() && !o.in.empty() && !(o.bSorted && o.bSplit);
}

bool WriteOut(const std::string& text, const std::string& out) {
    if (out.empty()) return WriteStdout(text);
    if (WriteFileSafely(out, text)) return true;
    std::fprintf(stderr, "%s\n", TrMessageBytes(WithFileName(MSG_CANNOT_OPEN, out)).c_str());
    return false;
}

// For comparing versions, as a version-control system does: every readable
// drawing gives its lines, whatever the libraries beside it hold.
int WriteSorted(const NormalizeOptions& o) {
    std::string text, sorted;
    if (!ReadWholeFile(o.in == "-" ? "/dev/stdin" : o.in, text)) {
        std::fprintf(stderr, "%s\n", TrMessageBytes(WithFileName(MSG_CANNOT_OPEN, o.in)).c_str());
        return 2;
    }
    if (!SortedDrawingText(text, sorted)) {
        std::fprintf(stderr, "%s\n", TrMessageBytes(WithFileName(MSG_BAD_FORMAT, o.in)).c_str());
        return 2;
    }
    return WriteOut(sorted, o.out) ? 0 : 2;
}

// Standard output gets the text as the document stores it under the input's name.
bool WriteToStdout(CSchemoDoc& doc, const std::string& in, bool bSplit) {
    std::string text;
    const std::size_t slash = in.find_last_of('/');
    return doc.Store(slash == std::string::npos ? in : in.substr(slash + 1), bSplit, text) &&
           WriteOut(text, "");
}
} // namespace

int RunNormalize(const std::vector<std::string>& args) {
    NormalizeOptions o;
    if (!ParseOptions(args, o)) {
        PrintUsage("normalize", stderr);
        return 2;
    }
    if (o.bSorted) return WriteSorted(o);
    CLibraryState library;
    UseProgramDir(library, o.programDir);
    CSaveOptions save;
    save.bSplit = o.bSplit;
    save.bNeverWarn = true; // nobody to ask
    CCliUi ui;
    CSchemoDoc doc(o.bMacro ? DOC_MACRO : DOC_DRAWING, &ui, library.context);
    if (!LoadForTool(doc, o.in)) return 2;
    const bool ok = o.out.empty() ? WriteToStdout(doc, o.in, o.bSplit) : doc.Save(o.out, save);
    if (!ok) return 2;
    return doc.m_nLoadErrors ? 1 : 0;
}
