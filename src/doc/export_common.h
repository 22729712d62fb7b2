#pragma once
// The steps every picture export shares: the view's mapping at the export's
// scale, the extent, the selection drawn like the rest, and painting the sheet
// and the layers.
#include "doc/document.h"
#include "doc/layer_walk.h"

#include <cstdint>
#include <memory>
#include <vector>

// Isotropic: the 2500-unit sheet on a v x v viewport.
void SetExportMapping(CSurface& dc, std::int64_t v);

// Rebuilds the regions on `probe` at that scale (text measures differently at
// each) and answers the extent of the layers shown in `layers` grown by 5
// units; false when nothing is on a shown layer.
bool ComputeExportExtent(CSchemoDoc& doc, CSurface& probe, std::int64_t v,
                         const CLayerTable& layers, CRect& ext);

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
