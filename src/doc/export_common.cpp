#include "doc/export_common.h"


void SetExportMapping(CSurface& dc, std::int64_t v) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(SHEET_SIZE, SHEET_SIZE);
    dc.SetViewportExt(ClampToInt32(v), ClampToInt32(v));
}

bool ComputeExportExtent(CSchemoDoc& doc, CSurface& probe, std::int64_t v, CRect& ext) {
    SetExportMapping(probe, v);
    doc.UpdateRegions(probe);
    if (!doc.GetExtent(ext)) return false;
    ext = {ClampToInt32(std::int64_t(ext.left) - 5), ClampToInt32(std::int64_t(ext.top) - 5),
           ClampToInt32(std::int64_t(ext.right) + 5), ClampToInt32(std::int64_t(ext.bottom) + 5)};
    return true;
}

void DeselectAll(CSchemoDoc& doc) {
    doc.ClearSelection();
    for (auto& p : doc.Primitives()) p->SetSelected(false);
}

void SetPictureMapping(CSurface& dc, const CRect& ext, std::int64_t v, int y0) {
    SetExportMapping(dc, v);
    dc.SetWindowOrg(ext.left, ext.top);
    dc.SetViewportOrg(0, -y0);
}

void DrawExportPicture(const CLayerBuckets& buckets, CSurface& dc, const CRect& ext,
                       std::int64_t v, int y0, bool bMonochrome, const CRect* cull) {
    SetPictureMapping(dc, ext, v, y0);
    const CPen oldPen = dc.SelectPen(SolidPen(0));
    const CBrush oldBrush = dc.SelectBrush(SolidBrush(RGB(255, 255, 255)));
    dc.Rectangle(-1, -1, SHEET_SIZE, SHEET_SIZE);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
    CLayerWalk walk;
    walk.bMonochrome = bMonochrome;
    walk.bCull = cull != nullptr;
    if (cull) walk.visible = *cull;
    DrawLayers(dc, buckets, walk);
}
