#include "doc/scene/picking.h"

#include "doc/scene/regions.h"

void FindHits(const CSpatialIndex& index, CSurface& dc, const CLayerTable& layers, CPoint device,
              std::vector<CHit>& hits) {
    hits.clear();
    const CPoint at = dc.DPtoLP(device);
    static thread_local std::vector<CPrimitive*> near;
    index.Query(CRect{at.x, at.y, at.x, at.y}, UnitsPerPixel(dc), PICK_BAND_PIXELS, near);
    const std::uint32_t key = RegionKeyOf(dc);
    for (CPrimitive* p : near) {
        if (!layers.IsShown(p->GetLayer(), false)) continue;
        EnsureRegion(*p, dc, key);
        const int r = p->HitTest(device.x, device.y, dc);
        if (r != HIT_MISS) hits.push_back({p, r});
    }
}

CPrimitive* PickFirst(const CSpatialIndex& index, CSurface& dc, const CLayerTable& layers,
                      CPoint device) {
    static thread_local std::vector<CHit> hits;
    FindHits(index, dc, layers, device, hits);
    return hits.empty() ? nullptr : hits.front().p;
}
