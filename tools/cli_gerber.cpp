// tavolin-cli gerber: a drawing's artwork as the files a board house takes,
// in one zip or in a folder.
#include "cli.h"
#include "cli_args.h"
#include "cli_ui.h"

#include "doc/document/document.h"
#include "doc/document/document_ui.h"
#include "doc/fab/fab_request.h"
#include "doc/files/safe_file.h"
#include "format/resolve_context.h"
#include "qtlayer/qt_glyph_outlines.h"
#include "view/forms/bounded_int.h"
#include "view/program/version.h"

#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct GerberArgs {
    std::string in, out, programDir, outline, mask, stroke;
};

bool ParseOptions(GerberArgs& g, CArgWalker& w) {
    while (w.Next())
        if (!w.Value("--program-dir", g.programDir) && !w.Value("-o", g.out) &&
            !w.Value("--outline-layer", g.outline) && !w.Value("--mask-expansion", g.mask) &&
            !w.Value("--stroke", g.stroke) && !w.Plain(g.in))
            w.Stray();
    return w.Ok() && !g.in.empty() && !g.out.empty();
}

void Say(const char* text) {
    std::fputs(TrCoreBytes("tavolin-cli", text).c_str(), stderr);
}

bool TakeLength(const CArgWalker& w, const char* name, const std::string& value, bool bZeroOk,
                std::int64_t& nm) {
    if (!w.Given(name) || ParseFabLength(value, bZeroOk, nm)) return true;
    std::fprintf(stderr, "%s\n", TrMessageBytes(FillMessage(MSG_FAB_BAD_LENGTH, name)).c_str());
    return false;
}

bool TakeNumbers(const CArgWalker& w, const GerberArgs& g, CFabOptions& o) {
    if (w.Given("--outline-layer") && !ParseBoundedInt(g.outline, 0, 15, o.nOutlineLayer)) {
        Say(QT_TRANSLATE_NOOP("tavolin-cli",
                              "Il valore di --outline-layer deve essere un livello da 0 a 15.\n"));
        return false;
    }
    return TakeLength(w, "--mask-expansion", g.mask, true, o.nMaskExpansion) &&
           TakeLength(w, "--stroke", g.stroke, false, o.nStroke);
}

bool Written(bool bOk, const std::string& path, int nErrno) {
    if (!bOk)
        std::fprintf(stderr,
                     TrCoreBytes("tavolin-cli",
                                 QT_TRANSLATE_NOOP("tavolin-cli", "Impossibile scrivere %s: %s\n"))
                         .c_str(),
                     path.c_str(), std::strerror(nErrno));
    return bOk;
}

// Into a folder, file by file; on a failure the files already written go
// again, and the folder when it was made for them.
bool WriteFolder(const CFabSet& set, const std::string& dir) {
    const bool bMade = mkdir(dir.c_str(), 0755) == 0;
    if (!bMade && errno != EEXIST) return Written(false, dir, errno);
    std::vector<std::string> done;
    for (const CFabFile& f : set.files) {
        const std::string path = dir + f.strName;
        int nErrno = 0;
        if (!WriteFileSafely(path, f.strData, &nErrno)) {
            for (const std::string& p : done)
                unlink(p.c_str());
            if (bMade) rmdir(dir.c_str());
            return Written(false, path, nErrno);
        }
        done.push_back(path);
    }
    return true;
}

bool Refused(const CFabSet& set, int nOutlineLayer) {
    const std::string why = FabRefusal(set, nOutlineLayer);
    if (!why.empty()) std::fprintf(stderr, "%s\n", TrMessageBytes(why).c_str());
    return !why.empty();
}
} // namespace

int RunGerber(const std::vector<std::string>& args) {
    GerberArgs g;
    CArgWalker w(args);
    if (!ParseOptions(g, w)) {
        PrintUsage("gerber", stderr);
        return 2;
    }
    CFabOptions o;
    if (!TakeNumbers(w, g, o)) return 2;
    CLibraryState library;
    UseProgramDir(library, g.programDir);
    const auto app = StartGui();
    CCliUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui, library.context);
    if (!LoadForTool(doc, g.in)) return 2;
    const bool bFolder = g.out.back() == '/';
    const std::string name = FabStem(g.in == "-" ? (bFolder ? std::string("board") : g.out) : g.in);
    const CFabHeader header{std::string(kVersionLine).substr(std::strlen("Tavolin ")),
                            FabDateNow()};
    CQtGlyphOutlines glyphs;
    const CFabSet set = MakeFabSet(doc.Primitives(), name, o, header, glyphs);
    if (Refused(set, o.nOutlineLayer)) return 2;
    if (bFolder) return WriteFolder(set, g.out) ? 0 : 2;
    int nErrno = 0;
    const bool bOk = WriteFileSafely(g.out, FabZip(set, header.date), &nErrno);
    return Written(bOk, g.out, nErrno) ? 0 : 2;
}
