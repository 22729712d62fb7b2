#include "doc/scene/drawing_extent.h"

#include "doc/scene/regions.h"

namespace {
CPrimitive* Get(const std::unique_ptr<CPrimitive>& p) {
    return p.get();
}
CPrimitive* Get(CPrimitive* p) {
    return p;
}

template <class List>
bool Extent(const List& list, const CLayerTable& layers, CRect& box, CSurface* pMeasure) {
    CRect all{0, 0, -1, -1};
    const std::uint32_t key = pMeasure ? RegionKeyOf(*pMeasure) : 0;
    const int nEdge = pMeasure ? 1 : 0;
    for (const auto& item : list) {
        CPrimitive* p = Get(item);
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
} // namespace

bool DrawingExtent(const CPrimitiveList& list, const CLayerTable& layers, CRect& box,
                   CSurface* pMeasure) {
    return Extent(list, layers, box, pMeasure);
}

bool DrawingExtent(const std::vector<CPrimitive*>& prims, const CLayerTable& layers, CRect& box,
                   CSurface* pMeasure) {
    return Extent(prims, layers, box, pMeasure);
}
