// tavolin-cli export: a drawing as BMP, EMF, PNG, SVG or PDF, picked by the
// output's extension, with the export dialog's defaults.
#include "cli.h"
#include "cli_ui.h"

#include "doc/document.h"
#include "doc/export_bitmap.h"
#include "doc/settings.h"
#include "qtlayer/qt_export.h"
#include "qtlayer/qt_raster.h"

#include <QGuiApplication>

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {
struct ExportArgs {
    std::string in, out, programDir;
    CExportOptions opts;
    bool bAntialias = false;
};

// A number within a range, or a message naming the range.
bool TakeNumber(const std::string& flag, const std::string& value, int lo, int hi, int& out) {
    char* end = nullptr;
    const long v = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || v < lo || v > hi) {
        std::fprintf(stderr, "Il valore di %s deve essere un numero compreso tra %d e %d.\n",
                     flag.c_str(), lo, hi);
        return false;
    }
    out = int(v);
    return true;
}

struct NumberFlag {
    const char* name;
    int lo, hi;
    int CExportOptions::*field;
};
const NumberFlag kNumberFlags[] = {{"--zoom", 1, 2000, &CExportOptions::nZoom},
                                   {"--dpi", 30, 2400, &CExportOptions::nDPI},
                                   {"--microns", 1, 1000, &CExportOptions::nMicronsPerUnit}};

const NumberFlag* FindNumberFlag(const std::string& a) {
    for (const NumberFlag& f : kNumberFlags)
        if (a == f.name) return &f;
    return nullptr;
}

// False on a mistake; bReported tells whether it was already explained.
bool ParseOptions(const std::vector<std::string>& args, ExportArgs& e, bool& bReported) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        const NumberFlag* number = FindNumberFlag(a);
        if (number && hasValue) {
            bReported = !TakeNumber(a, args[++i], number->lo, number->hi, e.opts.*number->field);
            if (bReported) return false;
        } else if (a == "--relative") e.opts.nMode = EXPORT_RELATIVE;
        else if (a == "--absolute") e.opts.nMode = EXPORT_ABSOLUTE;
        else if (a == "--antialias") e.bAntialias = true;
        else if (a == "--program-dir" && hasValue) e.programDir = args[++i];
        else if (a == "-o" && hasValue) e.out = args[++i];
        else if (e.in.empty() && !a.empty() && a[0] != '-') e.in = a;
        else return false;
    }
    return !e.in.empty() && !e.out.empty();
}

std::string Extension(const std::string& path) {
    const std::size_t dot = path.rfind('.'), slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string e = path.substr(dot + 1);
    for (char& c : e) c = char(std::tolower(static_cast<unsigned char>(c)));
    return e;
}

std::string Export(CSchemoDoc& doc, const ExportArgs& e, const std::string& ext) {
    if (ext == "bmp") return ExportMessage(ExportBitmap(doc, e.opts, e.out, MakeQtRasterBand));
    if (ext == "emf") {
        const std::size_t slash = e.in.find_last_of('/');
        return ExportQtMetafile(doc, e.opts, e.out, slash == std::string::npos ? e.in : e.in.substr(slash + 1));
    }
    if (ext == "png") return ExportPng(doc, e.opts, e.out, e.bAntialias);
    if (ext == "svg") return ExportSvg(doc, e.opts, e.out);
    return ExportPdf(doc, e.opts, e.out);
}
} // namespace

int RunExport(const std::vector<std::string>& args) {
    ExportArgs e;
    bool bReported = false;
    if (!ParseOptions(args, e, bReported)) {
        if (bReported) return 2;
        std::fputs("Uso: tavolin-cli export [--program-dir DIR] IN -o OUT.bmp|.emf|.png|.svg|.pdf\n"
                   "       [--relative --zoom N | --absolute --dpi N] [--microns N] [--antialias]\n",
                   stderr);
        return 2;
    }
    const std::string ext = Extension(e.out);
    if (ext != "bmp" && ext != "emf" && ext != "png" && ext != "svg" && ext != "pdf") {
        std::fputs("Formato di uscita sconosciuto: usare .bmp, .emf, .png, .svg o .pdf.\n", stderr);
        return 2;
    }
    UseProgramDir(e.programDir);
    g_settings.nMicronsPerUnit = e.opts.nMicronsPerUnit;
    const auto app = StartGui();
    CCliUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui);
    if (!LoadForTool(doc, e.in)) return 2;
    const std::string failure = Export(doc, e, ext);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        return 2;
    }
    return doc.m_bLoadErrors ? 1 : 0;
}
