// tavolin-cli nets: what is connected to what in a drawing, one net a line.
#include "cli.h"
#include "cli_args.h"
#include "cli_ui.h"

#include "doc/document/document.h"
#include "doc/nets/nets.h"
#include "format/resolve_context.h"

int RunNets(const std::vector<std::string>& args) {
    std::string in, programDir;
    CArgWalker w(args);
    while (w.Next())
        if (!w.Value("--program-dir", programDir) && !w.Plain(in)) w.Stray();
    if (!w.Ok() || in.empty()) {
        PrintUsage("nets", stderr);
        return 2;
    }
    CLibraryState library;
    UseProgramDir(library, programDir);
    CCliUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui, library.context);
    if (!LoadForTool(doc, in)) return 2;
    return WriteStdout(NetsText(doc.Primitives())) ? 0 : 2;
}
