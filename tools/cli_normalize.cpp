// tavolin-cli normalize: reads a drawing or macro as a document is opened and
// writes it back as a document is saved.
#include "cli.h"
#include "cli_args.h"
#include "cli_ui.h"
#include "qtlayer/qt_translate.h"

#include "doc/document.h"

#include <cstdio>

namespace {
struct NormalizeOptions {
    bool bSplit = false;
    bool bMacro = false;
    std::string programDir, in, out;
};

bool ParseOptions(const std::vector<std::string>& args, NormalizeOptions& o) {
    CArgWalker w(args);
    std::string as = "drawing";
    while (w.Next()) {
        if (w.Flag("--split"))
            o.bSplit = true;
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
    return w.Ok() && !o.in.empty();
}

// Standard output gets the text as the document stores it under the input's name.
bool WriteToStdout(CSchemoDoc& doc, const std::string& in, bool bSplit) {
    std::string text;
    const std::size_t slash = in.find_last_of('/');
    if (!doc.Store(slash == std::string::npos ? in : in.substr(slash + 1), bSplit, text))
        return false;
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}
} // namespace

int RunNormalize(const std::vector<std::string>& args) {
    NormalizeOptions o;
    if (!ParseOptions(args, o)) {
        PrintUsage("normalize", stderr);
        return 2;
    }
    UseProgramDir(o.programDir);
    CSaveOptions save;
    save.bSplit = o.bSplit;
    save.bNeverWarn = true; // nobody to ask
    CCliUi ui;
    CSchemoDoc doc(o.bMacro ? DOC_MACRO : DOC_DRAWING, &ui);
    if (!LoadForTool(doc, o.in)) return 2;
    const bool ok = o.out.empty() ? WriteToStdout(doc, o.in, o.bSplit) : doc.Save(o.out, save);
    if (!ok) return 2;
    return doc.m_bLoadErrors ? 1 : 0;
}
