// tavolin-cli render: a quick picture of a drawing, fitted into a PNG.
#include "cli.h"
#include "cli_args.h"
#include "cli_ui.h"

#include "doc/document.h"

#include "doc/layer_walk.h"
#include "format/reader.h"
#include "qtlayer/qt_surface.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>

namespace {
struct RenderOptions {
    std::string in, out, programDir;
    int nWidth = 1200, nHeight = 1200;
};

// "WxH" with nothing after it.
bool TakeSize(const std::string& s, RenderOptions& o) {
    char rest = 0;
    return std::sscanf(s.c_str(), "%dx%d%c", &o.nWidth, &o.nHeight, &rest) == 2 && o.nWidth > 0 &&
           o.nHeight > 0 && o.nWidth <= 20000 && o.nHeight <= 20000;
}

bool ParseOptions(const std::vector<std::string>& args, RenderOptions& o) {
    CArgWalker w(args);
    std::string size;
    while (w.Next())
        if (!w.Value("-o", o.out) && !w.Value("--program-dir", o.programDir) &&
            !w.Value("--size", size) && !w.Plain(o.in))
            w.Stray();
    return w.Ok() && !o.in.empty() && !o.out.empty() && (size.empty() || TakeSize(size, o));
}

} // namespace

int RunRender(const std::vector<std::string>& args) {
    RenderOptions o;
    if (!ParseOptions(args, o)) {
        std::fputs("Uso: tavolin-cli render [--program-dir DIR] IN -o OUT.png [--size LxA]\n",
                   stderr);
        return 2;
    }
    const auto app = StartGui();

    UseProgramDir(o.programDir);
    CCliUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui);
    if (!LoadForTool(doc, o.in)) return 2;
    QImage image(o.nWidth, o.nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CQtSurface dc(image);
        doc.UpdateRegions(dc);
        CRect box{0, 0, SHEET_SIZE, SHEET_SIZE}; // the whole sheet when nothing is on a shown layer
        doc.GetExtent(box);
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowOrg(box.left - 5, box.top - 5);
        dc.SetWindowExt(box.right - box.left + 10, box.bottom - box.top + 10);
        dc.SetViewportExt(o.nWidth, o.nHeight);
        DrawLayers(dc, doc.Primitives(), CLayerWalk());
    }
    if (!image.save(QString::fromLocal8Bit(o.out.c_str()), "PNG")) {
        std::fprintf(stderr, "Impossibile scrivere il file %s.\n", o.out.c_str());
        return 2;
    }
    return doc.m_bLoadErrors ? 1 : 0;
}
