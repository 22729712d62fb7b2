// tavolin-cli render: a quick picture of a drawing, fitted into a PNG.
#include "cli.h"

#include "doc/layer_walk.h"
#include "format/program_dir.h"
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

bool ParseOptions(const std::vector<std::string>& args, RenderOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" && hasValue) o.out = args[++i];
        else if (a == "--program-dir" && hasValue) o.programDir = args[++i];
        else if (a == "--size" && hasValue) {
            if (std::sscanf(args[++i].c_str(), "%dx%d", &o.nWidth, &o.nHeight) != 2) return false;
        } else if (o.in.empty() && !a.empty() && a[0] != '-') o.in = a;
        else return false;
    }
    return !o.in.empty() && !o.out.empty() && o.nWidth > 0 && o.nHeight > 0 &&
           o.nWidth <= 20000 && o.nHeight <= 20000;
}

// The box of every region, in logical units; the whole sheet when there is none.
CRect Extent(CSurface& dc, CPrimitiveList& list) {
    CRect box{0, 0, 0, 0};
    bool any = false;
    for (auto& p : list) {
        p->UpdateRegion(dc);
        if (p->GetRegion()->IsEmpty()) continue;
        const CRect r = p->GetRegion()->GetRgnBox();
        box = any ? CRect{std::min(box.left, r.left), std::min(box.top, r.top),
                          std::max(box.right, r.right), std::max(box.bottom, r.bottom)}
                  : r;
        any = true;
    }
    return any ? box : CRect{0, 0, 2500, 2500};
}
} // namespace

int RunRender(const std::vector<std::string>& args) {
    RenderOptions o;
    if (!ParseOptions(args, o)) {
        std::fputs("Uso: tavolin-cli render IN -o OUT.png [--size LxA]\n", stderr);
        return 2;
    }
    const auto app = StartGui();

    g_strProgramDir = o.programDir.empty() ? ExecutableDir() : o.programDir;
    std::string text;
    CPrimitiveList list;
    int nError = 0, nKind = 0;
    if (!ReadWholeFile(o.in, text) ||
        !ParseHeaderedText(text, &list, nullptr, nullptr, &nError, &nKind, nullptr) ||
        (nKind != TEXT_DRAWING && nKind != TEXT_MACRO)) {
        std::fprintf(stderr, "%s\n", MSG_BAD_FORMAT);
        return 2;
    }
    QImage image(o.nWidth, o.nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CQtSurface dc(image);
        const CRect box = Extent(dc, list);
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowOrg(box.left - 5, box.top - 5);
        dc.SetWindowExt(box.right - box.left + 10, box.bottom - box.top + 10);
        dc.SetViewportExt(o.nWidth, o.nHeight);
        DrawLayers(dc, list, CLayerWalk());
    }
    if (!image.save(QString::fromLocal8Bit(o.out.c_str()), "PNG")) {
        std::fprintf(stderr, "Impossibile scrivere il file %s.\n", o.out.c_str());
        return 2;
    }
    if (nError) {
        std::fprintf(stderr, "%s\n", MSG_READ_ERRORS);
        return 1;
    }
    return 0;
}
