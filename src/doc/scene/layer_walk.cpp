#include "doc/scene/layer_walk.h"

#include "doc/scene/spatial_index.h"
#include "model/macro.h"

namespace {
// The progress is asked once per this many primitives drawn.
constexpr std::size_t PROGRESS_STRIDE = 256;

bool Culled(CPrimitive& p, const CLayerWalk& walk) {
    if (!walk.bCull) return false;
    const CRegion* rgn = p.GetRegion();
    return !rgn->IsEmpty() && !Touches(rgn->GetRgnBox(), walk.visible);
}
} // namespace

CLayerBuckets::CLayerBuckets(const CPrimitiveList& list) {
    for (const auto& up : list)
        Add(up.get());
}

CLayerBuckets::CLayerBuckets(const std::vector<CPrimitive*>& prims) {
    for (CPrimitive* p : prims)
        Add(p);
}

void CLayerBuckets::Add(CPrimitive* p) {
    const int pass = p->GetDrawPriority();
    if (pass < 0 || pass >= NUM_PASSES) return;
    if (p->GetCapabilities() & CAP_MACRO) {
        const unsigned mask = LayerMask(static_cast<const CMacro&>(*p));
        for (int L = 0; L < NUM_LAYERS; ++L)
            if (mask & (1u << L)) m_buckets[L][pass].push_back(p);
    } else if (CLayerTable::IsValid(p->GetLayer())) {
        m_buckets[p->GetLayer()][pass].push_back(p);
    }
}

bool DrawLayers(CSurface& dc, const CPrimitiveList& list, const CLayerWalk& walk) {
    return DrawLayers(dc, CLayerBuckets(list), walk);
}

bool DrawLayers(CSurface& dc, const CSpatialIndex& index, const CRect& visible,
                const CLayerWalk& walk) {
    std::vector<CPrimitive*> near;
    index.Query(visible, UnitsPerPixel(dc), 0, near);
    return DrawLayers(dc, CLayerBuckets(near), walk);
}

namespace {
std::size_t CountDrawn(const CLayerBuckets& buckets, const CLayerWalk& walk, bool bPrinting) {
    std::size_t n = 0;
    for (int L = 0; L < NUM_LAYERS; ++L)
        if (walk.pLayers->IsShown(L, bPrinting))
            for (int pass = 0; pass < NUM_PASSES; ++pass)
                n += buckets.At(L, pass).size();
    return n;
}

bool Continue(const CLayerWalk& walk, std::size_t done, std::size_t total) {
    const double share = double(done) / double(total);
    return walk.pProgress->Continue(walk.dProgressFrom +
                                    (walk.dProgressTo - walk.dProgressFrom) * share);
}
} // namespace

bool DrawLayers(CSurface& dc, const CLayerBuckets& buckets, const CLayerWalk& walk) {
    const bool bPrinting = dc.IsPrinting();
    const std::size_t total = walk.pProgress ? CountDrawn(buckets, walk, bPrinting) : 0;
    std::size_t done = 0;
    for (int L = 0; L < NUM_LAYERS; ++L) {
        if (!walk.pLayers->IsShown(L, bPrinting)) continue;
        for (int pass = 0; pass < NUM_PASSES; ++pass) {
            for (CPrimitive* p : buckets.At(L, pass)) {
                if (walk.pProgress && ++done % PROGRESS_STRIDE == 0 && !Continue(walk, done, total))
                    return false;
                if (Culled(*p, walk)) continue;
                const bool bMacro = (p->GetCapabilities() & CAP_MACRO) != 0;
                const COLORREF c =
                    (bPrinting || walk.bMonochrome) ? 0 : walk.pLayers->GetColor(p->GetLayer());
                p->DrawInLayers(dc, *walk.pLayers, false, RGB(255, 255, 255), c, walk.crSelected,
                                walk.nZoomPercent, bMacro ? L : -1, walk.bMonochrome);
            }
        }
    }
    return true;
}
