#pragma once
// The one walk that paints a primitive list: layer 0 to 15, pass 0 to 6 within
// a layer, list order within a pass. Screen, printing and export all use it.
#include "model/layers.h"
#include "model/primitive.h"

#include <vector>

// Told now and then how far a long drawing has gone; answering false stops it.
class IDrawProgress {
  public:
    virtual ~IDrawProgress() = default;
    // dDone: the share of the whole picture drawn so far, 0 to 1.
    virtual bool Continue(double dDone) = 0;
};

struct CLayerWalk {
    explicit CLayerWalk(const CLayerTable& layers) : pLayers(&layers) {}
    const CLayerTable* pLayers;
    bool bMonochrome = false; // every layer in black
    COLORREF crSelected = SELECTION_COLOR;
    int nZoomPercent = 100;
    bool bCull = false; // skip primitives whose region box misses `visible`
    CRect visible;      // logical units, edges included
    IDrawProgress* pProgress = nullptr;
    double dProgressFrom = 0, dProgressTo = 1; // the share of the picture this walk draws
};

class CSpatialIndex;

constexpr int NUM_PASSES = 7;

// The list sorted into (layer, pass) buckets in list order; a macro instance
// goes into every layer it has components on, where it draws only those.
// Build it once to draw the same list several times (the export's bands).
class CLayerBuckets {
  public:
    explicit CLayerBuckets(const CPrimitiveList& list);
    // Only these primitives, which must be in list order.
    explicit CLayerBuckets(const std::vector<CPrimitive*>& prims);
    const std::vector<CPrimitive*>& At(int nLayer, int nPass) const {
        return m_buckets[nLayer][nPass];
    }

  private:
    void Add(CPrimitive* p);
    std::vector<CPrimitive*> m_buckets[NUM_LAYERS][NUM_PASSES];
};

// Each answers false when the walk's progress stopped it.
bool DrawLayers(CSurface& dc, const CLayerBuckets& buckets, const CLayerWalk& walk);
bool DrawLayers(CSurface& dc, const CPrimitiveList& list, const CLayerWalk& walk);
// Only what the index finds near `visible` (logical units) at the surface's scale.
bool DrawLayers(CSurface& dc, const CSpatialIndex& index, const CRect& visible,
                const CLayerWalk& walk);
