// tavolin-cli export: a drawing as BMP, EMF, PNG, SVG or PDF, picked by the
// output's extension, with the export dialog's defaults.
#include "cli.h"
#include "cli_args.h"
#include "cli_ui.h"
#include "qtlayer/qt_translate.h"

#include "doc/document/document.h"
#include "doc/export/picture_format.h"
#include "format/resolve_context.h"
#include "qtlayer/qt_export.h"
#include "view/forms/bounded_int.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {
struct ExportArgs {
    std::string in, out, programDir;
    CExportOptions opts;
    bool bAntialias = false;
    std::string numbers[3]; // as given, for kNumberFlags
};

struct NumberFlag {
    const char* name;
    int lo, hi;
    int CExportOptions::*field;
};
const NumberFlag kNumberFlags[] = {{"--zoom", 1, 2000, &CExportOptions::nZoom},
                                   {"--dpi", 30, 2400, &CExportOptions::nDPI},
                                   {"--microns", 1, 1000, &CExportOptions::nMicronsPerUnit}};

// A number within a range, or false after a message naming the range.
bool TakeNumber(const NumberFlag& flag, const std::string& value, CExportOptions& o) {
    int v = 0;
    if (!ParseBoundedInt(value, flag.lo, flag.hi, v)) {
        std::fprintf(
            stderr,
            TrCoreBytes(
                "tavolin-cli",
                QT_TRANSLATE_NOOP("tavolin-cli",
                                  "Il valore di %s deve essere un numero compreso tra %d e %d.\n"))
                .c_str(),
            flag.name, flag.lo, flag.hi);
        return false;
    }
    o.*flag.field = v;
    return true;
}

// The numbers are checked once the whole line is read.
bool TakeNumberFlag(CArgWalker& w, std::string (&values)[3]) {
    for (std::size_t i = 0; i < 3; ++i)
        if (w.Value(kNumberFlags[i].name, values[i])) return true;
    return false;
}

bool ParseOptions(ExportArgs& e, CArgWalker& w) {
    while (w.Next()) {
        if (w.Flag("--relative"))
            e.opts.nMode = EXPORT_RELATIVE;
        else if (w.Flag("--absolute"))
            e.opts.nMode = EXPORT_ABSOLUTE;
        else if (w.Flag("--antialias"))
            e.bAntialias = true;
        else if (!TakeNumberFlag(w, e.numbers) && !w.Value("--program-dir", e.programDir) &&
                 !w.Value("-o", e.out) && !w.Plain(e.in))
            w.Stray();
    }
    return w.Ok() && !e.in.empty() && !e.out.empty();
}

bool TakeNumbers(const CArgWalker& w, ExportArgs& e) {
    for (std::size_t i = 0; i < 3; ++i)
        if (w.Given(kNumberFlags[i].name) && !TakeNumber(kNumberFlags[i], e.numbers[i], e.opts))
            return false;
    return true;
}

// The pictures each option shapes, and the bitmap mode it belongs to.
enum : unsigned {
    FMT_BMP = 1u << PICTURE_BMP,
    FMT_PNG = 1u << PICTURE_PNG,
    FMT_EMF = 1u << PICTURE_EMF,
    FMT_SVG = 1u << PICTURE_SVG,
    FMT_PDF = 1u << PICTURE_PDF
};
enum ModeRule { ANY_MODE, RELATIVE_ONLY, NOT_RELATIVE };
struct OptionRule {
    const char* name;
    unsigned formats;
    ModeRule mode;
};
const OptionRule kOptionRules[] = {
    {"--relative", FMT_BMP | FMT_PNG, ANY_MODE},
    {"--absolute", FMT_BMP | FMT_PNG, ANY_MODE},
    {"--zoom", FMT_BMP | FMT_PNG, RELATIVE_ONLY},
    {"--dpi", FMT_BMP | FMT_PNG, NOT_RELATIVE},
    {"--microns", FMT_BMP | FMT_PNG | FMT_SVG | FMT_PDF, NOT_RELATIVE},
    {"--antialias", FMT_PNG, ANY_MODE},
};

unsigned FormatBit(PictureFormat format) {
    return format == PICTURE_NONE ? 0 : 1u << format;
}

// An option that would change nothing is refused rather than ignored.
bool OptionsApply(const CArgWalker& w, PictureFormat format) {
    if (w.Given("--relative") && w.Given("--absolute")) {
        std::fputs(TrCoreBytes("tavolin-cli",
                               QT_TRANSLATE_NOOP(
                                   "tavolin-cli",
                                   "Le opzioni --relative e --absolute si escludono a vicenda.\n"))
                       .c_str(),
                   stderr);
        return false;
    }
    const bool bRelative = w.Given("--relative");
    for (const OptionRule& r : kOptionRules) {
        if (!w.Given(r.name)) continue;
        const char* why =
            !(r.formats & FormatBit(format))
                ? QT_TRANSLATE_NOOP("tavolin-cli", "L'opzione %s non vale per i file .%s.\n")
            : r.mode == RELATIVE_ONLY && !bRelative
                ? QT_TRANSLATE_NOOP("tavolin-cli", "L'opzione %s vale solo con --relative.\n")
            : r.mode == NOT_RELATIVE && bRelative
                ? QT_TRANSLATE_NOOP("tavolin-cli", "L'opzione %s non vale con --relative.\n")
                : nullptr;
        if (why) {
            std::fprintf(stderr, TrCoreBytes("tavolin-cli", why).c_str(), r.name,
                         PictureFormatExtension(format));
            return false;
        }
    }
    return true;
}

// The metafile's description names the drawing's file.
CPictureExtras Extras(const ExportArgs& e) {
    CPictureExtras extras;
    const std::size_t slash = e.in.find_last_of('/');
    extras.title = slash == std::string::npos ? e.in : e.in.substr(slash + 1);
    extras.bAntialias = e.bAntialias;
    return extras;
}
} // namespace

int RunExport(const std::vector<std::string>& args) {
    ExportArgs e;
    CArgWalker w(args);
    if (!ParseOptions(e, w)) {
        PrintUsage("export", stderr);
        return 2;
    }
    if (!TakeNumbers(w, e)) return 2;
    const PictureFormat format = PictureFormatOf(e.out);
    if (format == PICTURE_NONE) {
        std::fputs(TrCoreBytes(
                       "tavolin-cli",
                       QT_TRANSLATE_NOOP(
                           "tavolin-cli",
                           "Formato di uscita sconosciuto: usare .bmp, .emf, .png, .svg o .pdf.\n"))
                       .c_str(),
                   stderr);
        return 2;
    }
    if (!OptionsApply(w, format)) return 2;
    CLibraryState library;
    UseProgramDir(library, e.programDir);
    const auto app = StartGui();
    CCliUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui, library.context);
    if (!LoadForTool(doc, e.in)) return 2;
    const std::string failure = ExportPicture(doc, format, e.opts, e.out, Extras(e));
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", TrMessageBytes(failure).c_str());
        return 2;
    }
    return doc.m_nLoadErrors ? 1 : 0;
}
