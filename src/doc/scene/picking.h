#pragma once
// What lies under a point of the view: the primitives on shown layers whose
// hit test answers, in list order, found through the spatial index. Regions
// are built on the way for whatever has none at this zoom.
#include "doc/scene/spatial_index.h"
#include "model/layers.h"

#include <vector>

struct CHit {
    CPrimitive* p;
    int nResult; // a point index, or HIT_INSIDE
};

void FindHits(const CSpatialIndex& index, CSurface& dc, const CLayerTable& layers, CPoint device,
              std::vector<CHit>& hits);

// The first primitive in list order under the point, or null.
CPrimitive* PickFirst(const CSpatialIndex& index, CSurface& dc, const CLayerTable& layers,
                      CPoint device);
