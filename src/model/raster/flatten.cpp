#include "model/raster/flatten.h"

#include <cmath>

namespace {

// Halvings enough to bring any curve of 32-bit coordinates below a pixel.
constexpr int kMaxDepth = 48;

bool IsFlat(const CPointD p[4]) {
    const CPointD d = p[3] - p[0];
    const double len = std::hypot(d.x, d.y);
    for (int i = 1; i <= 2; ++i) {
        const CPointD v = p[i] - p[0];
        if (len == 0) {
            if (std::hypot(v.x, v.y) > kFlatness) return false;
            continue;
        }
        const double along = (v.x * d.x + v.y * d.y) / len;
        const double across = std::abs(v.x * d.y - v.y * d.x) / len;
        if (across > kFlatness || along < -kFlatness || along > len + kFlatness) return false;
    }
    return true;
}

void Flatten(const CPointD p[4], const CRectD& box, int depth, std::vector<CPointD>& out) {
    if (depth == 0 || !Overlaps(Bounds(p, 4), box) || IsFlat(p)) {
        out.push_back(p[3]);
        return;
    }
    const CPointD a = (p[0] + p[1]) / 2, b = (p[1] + p[2]) / 2, c = (p[2] + p[3]) / 2;
    const CPointD ab = (a + b) / 2, bc = (b + c) / 2, m = (ab + bc) / 2;
    const CPointD first[4] = {p[0], a, ab, m}, second[4] = {m, bc, c, p[3]};
    Flatten(first, box, depth - 1, out);
    Flatten(second, box, depth - 1, out);
}

} // namespace

void FlattenCubic(const CPointD p[4], const CRectD& box, std::vector<CPointD>& out) {
    Flatten(p, box, kMaxDepth, out);
}
