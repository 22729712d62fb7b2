#pragma once
// What a drawing's window needs before its first picture: the spatial index
// and the drawing's extent with its texts measured. For a drawing just read
// they are made on other threads while the document adopts the primitives.
#include "doc/scene/spatial_index.h"
#include "model/layers.h"

#include <optional>
#include <vector>

struct CViewStart {
    std::optional<CSpatialIndex> index; // else built by the window
    bool bExtentKnown = false;
    CRect extent{0, 0, -1, -1}; // no bounds for an empty drawing
};

// The index on the calling thread and the extent on one more; nothing may
// change the primitives meanwhile.
CViewStart PrepareViewStart(const std::vector<CPrimitive*>& prims, const CLayerTable& layers);

// The drawing's extent at 100 %, its texts measured on a raster surface of
// the calling thread; `box` untouched when nothing counts.
bool MeasuredExtent(const std::vector<CPrimitive*>& prims, const CLayerTable& layers, CRect& box);
