#include "doc/scene/regions.h"

std::uint32_t RegionKeyOf(const CMapping& map) {
    // FNV-1a over what decides the scale.
    std::uint32_t h = 2166136261u;
    auto mix = [&h](std::int32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= std::uint32_t(v >> (8 * i)) & 0xFF;
            h *= 16777619u;
        }
    };
    mix(map.GetMapMode());
    mix(map.GetWindowExt().cx);
    mix(map.GetWindowExt().cy);
    mix(map.GetViewportExt().cx);
    mix(map.GetViewportExt().cy);
    return h <= REGION_KEY_ANY_ZOOM ? h + 2 : h;
}

void BuildRegion(CPrimitive& p, CSurface& dc, std::uint32_t key) {
    p.UpdateRegion(dc);
    p.m_nRegionKey = (p.GetCapabilities() & CAP_ZOOM_REGION) ? key : REGION_KEY_ANY_ZOOM;
}
