#include "doc/export_common.h"


void SetExportMapping(CSurface& dc, std::int64_t v) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(SHEET_SIZE, SHEET_SIZE);
    dc.SetViewportExt(ClampToInt32(v), ClampToInt32(v));
}

bool ComputeExportExtent(CSchemoDoc& doc, CSurface& probe, std::int64_t v,
                         const CLayerTable& layers, CRect& ext) {
    SetExportMapping(probe, v);
    doc.UpdateRegions(probe);
    if (!doc.GetExtent(layers, ext)) return false;
    ext = {ClampToInt32(std::int64_t(ext.left) - 5), ClampToInt32(std::int64_t(ext.top) - 5),
           ClampToInt32(std::int64_t(ext.right) + 5), ClampToInt32(std::int64_t(ext.bottom) + 5)};
    return true;
}

CSelectionHidden::CSelectionHidden(const CSchemoDoc& doc) {
    for (const auto& p : doc.Primitives()) {
        if (!p->IsSelected()) continue;
        m_hidden.push_back(p.get());
        p->SetSelected(false);
    }
}

CSelectionHidden::~CSelectionHidden() {
    for (CPrimitive* p : m_hidden)
        p->SetSelected(true);
}

std::unique_ptr<CSchemoDoc> CopyForPicture(const CSchemoDoc& doc) {
    auto copy = std::make_unique<CSchemoDoc>(doc.GetDocKind(), nullptr);
    copy->m_strTitle = doc.m_strTitle;
    CPrimitiveList list;
    list.reserve(doc.Primitives().size());
    for (const auto& p : doc.Primitives())
        list.push_back(p->Clone());
    copy->Append(std::move(list));
    return copy;
}

void SetPictureMapping(CSurface& dc, const CRect& ext, std::int64_t v, int y0) {
    SetExportMapping(dc, v);
    dc.SetWindowOrg(ext.left, ext.top);
    dc.SetViewportOrg(0, -y0);
}

bool DrawExportPicture(const CLayerBuckets& buckets, CSurface& dc, const CRect& ext, std::int64_t v,
                       int y0, const CLayerWalk& walk) {
    SetPictureMapping(dc, ext, v, y0);
    const CPen oldPen = dc.SelectPen(SolidPen(0));
    const CBrush oldBrush = dc.SelectBrush(SolidBrush(RGB(255, 255, 255)));
    dc.Rectangle(-1, -1, SHEET_SIZE, SHEET_SIZE);
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
    return DrawLayers(dc, buckets, walk);
}
