#include "doc/scene/drawing_extent.h"

#include "doc/scene/regions.h"

bool DrawingExtent(const std::vector<CPrimitive*>& prims, const CLayerTable& layers, CRect& box,
                   CSurface* pMeasure) {
    CRect all{0, 0, -1, -1};
    const std::uint32_t key = pMeasure ? RegionKeyOf(*pMeasure) : 0;
    const int nEdge = pMeasure ? 1 : 0;
    for (CPrimitive* p : prims) {
        const unsigned caps = p->GetCapabilities();
        if (!(caps & CAP_MACRO) && !layers.IsShown(p->GetLayer(), false)) continue;
        if (pMeasure && !(caps & CAP_TEXT)) {
            GrowRect(all, p->GetBounds());
            continue;
        }
        if (pMeasure) EnsureRegion(*p, *pMeasure, key);
        const CRect r = p->GetRegion()->GetRgnBox();
        // a region of shapes without area still counts, as a point, when not measured
        if (pMeasure ? r.IsEmpty() : p->GetRegion()->IsEmpty()) continue;
        GrowRect(all, CRect{r.left, r.top, r.right - nEdge, r.bottom - nEdge});
    }
    if (!HasBounds(all)) return false;
    box = all;
    return true;
}
bool DrawingExtent(const CPrimitiveList& list, const CLayerTable& layers, CRect& box,
                   CSurface* pMeasure) {
    return DrawingExtent(Pointers(list), layers, box, pMeasure);
}
