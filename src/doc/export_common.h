#pragma once
// The steps every picture export shares: the view's mapping at the export's
// scale, the extent, deselecting, and painting the sheet and the layers.
#include "doc/document.h"
#include "doc/layer_walk.h"

#include <cstdint>

// Isotropic: the 2500-unit sheet on a v x v viewport.
void SetExportMapping(CSurface& dc, std::int64_t v);

// Rebuilds the regions on `probe` at that scale (text measures differently at
// each) and answers the extent of the shown layers grown by 5 units; false
// when nothing is on a shown layer.
bool ComputeExportExtent(CSchemoDoc& doc, CSurface& probe, std::int64_t v, CRect& ext);

// Empties the selection and deselects every primitive.
void DeselectAll(CSchemoDoc& doc);

// The export's mapping with the extent's top-left corner at device (0, -y0).
void SetPictureMapping(CSurface& dc, const CRect& ext, std::int64_t v, int y0);

// The sheet as the view paints it (white, black outline), then the layer walk,
// in the picture mapping. Monochrome draws every layer in black; `cull`, when
// given, skips what lies outside it.
void DrawExportPicture(const CLayerBuckets& buckets, CSurface& dc, const CRect& ext,
                       std::int64_t v, int y0, bool bMonochrome, const CRect* cull);
