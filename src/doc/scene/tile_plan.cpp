#include "doc/scene/tile_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
int CellOf(int v, int origin) {
    return int(std::floor(double(v - origin) / SCENE_PART));
}

std::int64_t DistanceSquared(const CRect& r, CPoint c) {
    const std::int64_t dx = (std::int64_t(r.left) + r.right) / 2 - c.x;
    const std::int64_t dy = (std::int64_t(r.top) + r.bottom) / 2 - c.y;
    return dx * dx + dy * dy;
}
} // namespace

std::vector<CRect> PlanParts(const std::vector<CRect>& dirty, CPoint origin, CPoint centre) {
    std::vector<CRect> parts;
    for (const CRect& d : dirty) {
        if (d.right <= d.left || d.bottom <= d.top) continue;
        for (int j = CellOf(d.top, origin.y); j <= CellOf(d.bottom - 1, origin.y); ++j)
            for (int i = CellOf(d.left, origin.x); i <= CellOf(d.right - 1, origin.x); ++i) {
                const int l = origin.x + i * SCENE_PART, t = origin.y + j * SCENE_PART;
                parts.push_back(CRect{std::max(l, d.left), std::max(t, d.top),
                                      std::min(l + SCENE_PART, d.right),
                                      std::min(t + SCENE_PART, d.bottom)});
            }
    }
    std::stable_sort(parts.begin(), parts.end(), [centre](const CRect& a, const CRect& b) {
        return DistanceSquared(a, centre) < DistanceSquared(b, centre);
    });
    return parts;
}
