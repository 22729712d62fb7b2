// Drives the documents' own open and save paths from scripts, without a display:
//   tavolin-docdrive open[+regions] drawing|library FILE [PROGRAM_DIR]
//       opens FILE as the editor does (with +regions also builds the regions a
//       view would and fits the window); exit 0 opened, 3 refused (the
//       messages on standard error)
//   tavolin-docdrive save drawing|library|autosave FILE OUT
//       opens FILE, says "SAVING" on standard output, then saves it to OUT (for
//       autosave: into the folder OUT as the autosave writer does)
#include "doc/document/document.h"
#include "doc/files/autosave_store.h"
#include "doc/files/autosave_writer.h"
#include "doc/library/library_doc.h"
#include "format/macro_tree.h"
#include "format/program_dir.h"
#include "format/resolve_context.h"
#include "support/recording_surface.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {
class CStderrUi final : public IDocumentUi {
  public:
    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override {
        std::fprintf(stderr, "MSG %s|%s\n", caption.c_str(), text.c_str());
    }
    Answer AskYesNoCancel(const std::string&, const std::string&) override { return ANSWER_NO; }
};

int Save(CSchemoDoc& doc, const std::string& kind, const std::string& out) {
    std::puts("SAVING");
    std::fflush(stdout);
    if (kind != "autosave") {
        CSaveOptions options;
        options.bNeverWarn = true;
        return doc.Save(out, options) ? 0 : 2;
    }
    CAutosaveStore store(out, "1-1");
    if (!store.Open()) return 2;
    bool bOk = false;
    {
        CAutosaveWriter writer([&](const CAutosaveEntry&, bool b) { bOk = b; });
        writer.Write(store.EntryFor(1, "/documento.tvd", DOC_DRAWING), doc.SaveBytes(false));
    }
    return bOk ? 0 : 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    const std::string mode = argv[1], kind = argv[2], file = argv[3];
    CLibraryState library;
    const bool bOpen = mode.compare(0, 4, "open") == 0;
    library.folders = DefaultLibraryFolders(bOpen && argc > 4 ? argv[4] : "");
    FillMacroCache(library.context);
    CStderrUi ui;
    std::unique_ptr<CSchemoDoc> doc;
    if (kind == "library")
        doc = std::make_unique<CSchemoLibDoc>(&ui, library.context);
    else
        doc = std::make_unique<CSchemoDoc>(DOC_DRAWING, &ui, library.context);
    if (!doc->LoadFile(file)) return 3;
    if (mode == "open+regions") {
        CRecordingSurface dc;
        doc->UpdateRegions(dc);
        CRect box;
        doc->GetExtent(CLayerTable(), box);
        return 0;
    }
    if (bOpen) return 0;
    return mode == "save" && argc > 4 ? Save(*doc, kind, argv[4]) : 2;
}
