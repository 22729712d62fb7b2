#pragma once
// Hit regions are built when they are needed: a primitive remembers the
// mapping its region was built for (by its scale; scrolling does not matter)
// and is built again only when hit-tested at another zoom or after it changed.
#include "model/primitive.h"

#include <cstdint>

// The key of a mapping's scale: never 0 (no region) nor REGION_KEY_ANY_ZOOM.
std::uint32_t RegionKeyOf(const CMapping& map);
// Kept by primitives whose region does not depend on the zoom, once built.
constexpr std::uint32_t REGION_KEY_ANY_ZOOM = 1;

// Builds the region now and records the key.
void BuildRegion(CPrimitive& p, CSurface& dc, std::uint32_t key);
// Builds it only when it was not built for this key.
inline void EnsureRegion(CPrimitive& p, CSurface& dc, std::uint32_t key) {
    if (p.m_nRegionKey == key) return;
    if (p.m_nRegionKey == REGION_KEY_ANY_ZOOM && !(p.GetCapabilities() & CAP_ZOOM_REGION)) return;
    BuildRegion(p, dc, key);
}
