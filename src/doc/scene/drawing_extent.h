#pragma once
// The drawing's extent: the box of what lies on shown layers (a macro counts
// whatever its own layer, its parts being on several). Fitting a window and
// exporting a picture both ask it.
#include "model/layers.h"
#include "model/primitive.h"

// Without `pMeasure`, each primitive gives the box of its hit region as last
// built (the export builds them at its own scale). With it, figures give their
// bounds, which cost nothing, and only texts are measured, their regions built
// on `pMeasure` when stale; boxes are then taken with their edges included, as
// bounds are. False, and `box` untouched, when nothing counts.
bool DrawingExtent(const CPrimitiveList& list, const CLayerTable& layers, CRect& box,
                   CSurface* pMeasure = nullptr);
bool DrawingExtent(const std::vector<CPrimitive*>& prims, const CLayerTable& layers, CRect& box,
                   CSurface* pMeasure = nullptr);
