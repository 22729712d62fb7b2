// tavolin-cli render: a quick picture of a drawing, fitted into a PNG.
#include "cli.h"
#include "cli_args.h"
#include "cli_ui.h"

#include "doc/document/document.h"

#include "doc/document/settings.h"
#include "doc/scene/layer_walk.h"
#include "doc/scene/spatial_index.h"
#include "format/reader.h"
#include "format/resolve_context.h"
#include "model/layers.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_view_render.h"
#include "view/viewport/view_coords.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>

namespace {
struct RenderOptions {
    std::string in, out, programDir;
    int nWidth = 1200, nHeight = 1200;
    // With --view or --zoom: what a document view shows, grid and marks included.
    bool bView = false, bGrid = false, bOrigin = false, bStretch = false;
    int nX = 0, nY = 0, nZoom = 100, nGridX = 5, nGridY = 5;
};

bool TakePair(const std::string& s, int& a, int& b) {
    char rest = 0;
    return std::sscanf(s.c_str(), "%d,%d%c", &a, &b, &rest) == 2;
}

// "WxH" with nothing after it.
bool TakeSize(const std::string& s, RenderOptions& o) {
    char rest = 0;
    return std::sscanf(s.c_str(), "%dx%d%c", &o.nWidth, &o.nHeight, &rest) == 2 && o.nWidth > 0 &&
           o.nHeight > 0 && o.nWidth <= 20000 && o.nHeight <= 20000;
}

bool ParseOptions(const std::vector<std::string>& args, RenderOptions& o) {
    CArgWalker w(args);
    std::string size, view, zoom, grid;
    while (w.Next())
        if (!w.Value("-o", o.out) && !w.Value("--program-dir", o.programDir) &&
            !w.Value("--size", size) && !w.Value("--view", view) && !w.Value("--zoom", zoom) &&
            !w.Value("--grid", grid) && !w.Flag("--origin-mark") && !w.Flag("--stretch") &&
            !w.Plain(o.in))
            w.Stray();
    o.bOrigin = w.Given("--origin-mark");
    o.bStretch = w.Given("--stretch");
    o.bView = !view.empty() || !zoom.empty() || o.bStretch;
    o.bGrid = !grid.empty();
    char rest = 0;
    return w.Ok() && !o.in.empty() && !o.out.empty() && (size.empty() || TakeSize(size, o)) &&
           (view.empty() || TakePair(view, o.nX, o.nY)) &&
           (zoom.empty() || (std::sscanf(zoom.c_str(), "%d%c", &o.nZoom, &rest) == 1 &&
                             o.nZoom >= 10 && o.nZoom <= 2000)) &&
           (grid.empty() || (TakePair(grid, o.nGridX, o.nGridY) && o.nGridX >= 1 &&
                             o.nGridX <= 40 && o.nGridY >= 1 && o.nGridY <= 40)) &&
           (!o.bOrigin || o.bView);
}

// The picture a view with (x, y) at its top-left corner shows at the zoom.
void RenderView(CSchemoDoc& doc, const RenderOptions& o, const CLayerTable& layers, QImage& image) {
    CViewCoords view;
    view.SetClientSize(o.nWidth, o.nHeight);
    view.SetScale(o.nZoom / 100.0, o.bStretch);
    view.ScrollTo(o.nX, o.nY);
    view.m_grid.bShowGrid = o.bGrid;
    view.m_grid.nGridX = o.nGridX;
    view.m_grid.nGridY = o.nGridY;
    view.m_grid.bHideMacroOrigin = !o.bOrigin;
    const CSpatialIndex index(doc.Primitives());
    PaintViewScene(image, image.rect(), view, 1.0, index, layers);
    PaintViewMarks(image, image.rect(), view, 1.0, {}, layers);
}

} // namespace

int RunRender(const std::vector<std::string>& args) {
    RenderOptions o;
    if (!ParseOptions(args, o)) {
        PrintUsage("render", stderr);
        return 2;
    }
    const auto app = StartGui();

    CLibraryState library;
    UseProgramDir(library, o.programDir);
    const CLayerTable layers; // the tool shows every layer as a new program does
    CCliUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui, library.context);
    if (!LoadForTool(doc, o.in)) return 2;
    QImage image(o.nWidth, o.nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (o.bView)
        RenderView(doc, o, layers, image);
    else {
        CQtSurface dc(image);
        doc.UpdateRegions(dc);
        CRect box{0, 0, SHEET_SIZE, SHEET_SIZE}; // the whole sheet when nothing is on a shown layer
        doc.GetExtent(layers, box);
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowOrg(box.left - 5, box.top - 5);
        dc.SetWindowExt(box.right - box.left + 10, box.bottom - box.top + 10);
        dc.SetViewportExt(o.nWidth, o.nHeight);
        DrawLayers(dc, doc.Primitives(), CLayerWalk(layers));
    }
    if (!SavePngForTool(image, o.out)) return 2;
    return doc.m_nLoadErrors ? 1 : 0;
}
