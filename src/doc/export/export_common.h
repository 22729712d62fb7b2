#pragma once
// The steps every picture export shares: the view's mapping at the export's
// scale, the extent, the selection drawn like the rest, and painting the sheet
// and the layers.
#include "doc/document/document.h"
#include "doc/export/export_options.h"
#include "doc/scene/layer_walk.h"

#include <cstdint>
#include <memory>
#include <vector>

// Isotropic: the 2500-unit sheet on a v x v viewport.
void SetExportMapping(CSurface& dc, std::int64_t v);

// While it lives, the selected primitives draw as the others do: their marks
// are taken off and put back afterwards; the selection itself is not touched.
class CSelectionHidden {
  public:
    explicit CSelectionHidden(const CSchemoDoc& doc);
    ~CSelectionHidden();
    CSelectionHidden(const CSelectionHidden&) = delete;
    CSelectionHidden& operator=(const CSelectionHidden&) = delete;

  private:
    std::vector<CPrimitive*> m_hidden;
};

// What every picture export works out once before its writer draws: the
// regions rebuilt on a probe at the export's scale (text measures differently
// at each), the extent of the shown layers grown by 5 units, and, for as long
// as it lives, the selection drawn like the rest.
class CPicturePrep {
  public:
    // At a viewport of v device units for the 2500-unit sheet; the extent of
    // the layers `layers` shows.
    CPicturePrep(CSchemoDoc& doc, CSurface& probe, std::int64_t v, const CLayerTable& layers);
    // At the bitmap's scale for the options, with its sizes for the extent.
    CPicturePrep(CSchemoDoc& doc, CSurface& probe, const CExportOptions& o);
    // The metafile's: the regions in `measure`'s own mapping, the extent as it is.
    CPicturePrep(CSchemoDoc& doc, CSurface& measure, const CLayerTable& layers);

    // False when nothing is on a shown layer: there is nothing to export.
    bool HasExtent() const { return m_bExtent; }
    const CRect& Extent() const { return m_ext; }
    std::int64_t Width() const { return std::int64_t(m_ext.right) - m_ext.left; }
    std::int64_t Height() const { return std::int64_t(m_ext.bottom) - m_ext.top; }
    std::int64_t Viewport() const { return m_nViewport; }
    const CBitmapGeometry& Geometry() const { return m_geometry; }
    const CLayerTable& Layers() const { return m_layers; }

  private:
    CSelectionHidden m_unselected;
    const CLayerTable& m_layers;
    std::int64_t m_nViewport = 0;
    CRect m_ext;
    bool m_bExtent = false;
    CBitmapGeometry m_geometry;
};

// A copy of the drawing (title and primitives, selection marks included) to
// export or print from, so that the user interface may go on meanwhile: the
// copy's regions are rebuilt at the picture's scale, never the document's.
std::unique_ptr<CSchemoDoc> CopyForPicture(const CSchemoDoc& doc);

// The export's mapping with the extent's top-left corner at device (0, -y0).
void SetPictureMapping(CSurface& dc, const CRect& ext, std::int64_t v, int y0);

// The sheet as the view paints it (white, black outline), then the layer walk
// `walk` (monochrome, culling, progress), in the picture mapping. False when
// the progress stopped it.
bool DrawExportPicture(const CLayerBuckets& buckets, CSurface& dc, const CRect& ext, std::int64_t v,
                       int y0, const CLayerWalk& walk);
