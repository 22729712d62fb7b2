#include "view/forms/print_job.h"

#include "model/macro.h"

namespace {
const CRect SHEET{0, 0, SHEET_SIZE, SHEET_SIZE};

bool IsPrinted(const CPrimitive& p, const CLayerTable& layers) {
    if (!(p.GetCapabilities() & CAP_MACRO)) return layers.IsShown(p.GetLayer(), true);
    const unsigned mask = LayerMask(static_cast<const CMacro&>(p));
    for (int L = 0; L < NUM_LAYERS; ++L)
        if ((mask & (1u << L)) && layers.IsShown(L, true)) return true;
    return false;
}

CPrintLayout MeasureAndLayOut(CSchemoDoc& doc, CSurface& probe, const CPrintPage& page,
                              const CPrintOptions& o, const CLayerTable& layers,
                              const CPrintLayout& scale) {
    ApplyPrintMapping(probe, scale);
    doc.UpdateRegions(probe);
    CRect b = SHEET;
    GetPrintExtent(doc, layers, b);
    return LayOutPage(page, b, o);
}
} // namespace

bool GetPrintExtent(const CSchemoDoc& doc, const CLayerTable& layers, CRect& rect) {
    CRect box{0, 0, 0, 0};
    bool bAny = false;
    for (const auto& p : doc.Primitives()) {
        if (!IsPrinted(*p, layers) || p->GetRegion()->IsEmpty()) continue;
        const CRect r = p->GetRegion()->GetRgnBox();
        box = bAny ? BoxUnion(box, r) : r;
        bAny = true;
    }
    if (bAny) rect = box;
    return bAny;
}

// The first measure is at real scale, a scale of the device alone; a page
// fitted to the extent is measured once more at its own scale.
CPrintLayout PreparePrint(CSchemoDoc& doc, CSurface& probe, const CPrintPage& page,
                          const CPrintOptions& o, const CLayerTable& layers) {
    CPrintOptions real = o;
    real.bPCBMode = true;
    CPrintLayout l = MeasureAndLayOut(doc, probe, page, o, layers, LayOutPage(page, SHEET, real));
    if (!o.bPCBMode) l = MeasureAndLayOut(doc, probe, page, o, layers, l);
    return l;
}

bool DrawPrintPage(const CSchemoDoc& doc, CSurface& dc, const CPrintLayout& layout,
                   const CLayerTable& layers, IDrawProgress* progress) {
    dc.SetPrinting(true);
    ApplyPrintMapping(dc, layout);
    CLayerWalk walk(layers);
    walk.crSelected = 0;
    walk.pProgress = progress;
    if (!layout.bMirror) return DrawLayers(dc, doc.Primitives(), walk);
    CPrimitiveList mirrored;
    mirrored.reserve(doc.Primitives().size());
    for (const auto& p : doc.Primitives()) {
        mirrored.push_back(p->Clone());
        mirrored.back()->Mirror(layout.nMirrorX);
    }
    return DrawLayers(dc, mirrored, walk);
}
