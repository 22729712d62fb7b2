#include "doc/export/export_common.h"

void SetExportMapping(CSurface& dc, std::int64_t v) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(SHEET_SIZE, SHEET_SIZE);
    dc.SetViewportExt(ClampToInt32(v), ClampToInt32(v));
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

CPicturePrep::CPicturePrep(CSchemoDoc& doc, CSurface& probe, std::int64_t v,
                           const CLayerTable& layers)
    : m_unselected(doc), m_layers(layers), m_nViewport(v) {
    SetExportMapping(probe, v);
    doc.UpdateRegions(probe);
    m_bExtent = doc.GetExtent(layers, m_ext);
    if (!m_bExtent) return;
    m_ext = {ClampToInt32(std::int64_t(m_ext.left) - 5), ClampToInt32(std::int64_t(m_ext.top) - 5),
             ClampToInt32(std::int64_t(m_ext.right) + 5),
             ClampToInt32(std::int64_t(m_ext.bottom) + 5)};
}

CPicturePrep::CPicturePrep(CSchemoDoc& doc, CSurface& probe, const CExportOptions& o)
    : CPicturePrep(doc, probe, ComputeBitmapGeometry(o, 0, 0).nViewport, o.layers) {
    if (m_bExtent) m_geometry = ComputeBitmapGeometry(o, Width(), Height());
}

CPicturePrep::CPicturePrep(CSchemoDoc& doc, CSurface& measure, const CLayerTable& layers)
    : m_unselected(doc), m_layers(layers) {
    doc.UpdateRegions(measure);
    m_bExtent = doc.GetExtent(layers, m_ext);
}

std::unique_ptr<CSchemoDoc> CopyForPicture(const CSchemoDoc& doc) {
    auto copy = std::make_unique<CSchemoDoc>(doc.GetDocKind(), nullptr, doc.ResolveContext());
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
