#include "view/viewport/window_rect.h"

#include <algorithm>

namespace {
long long Overlap(const CRect& a, const CRect& b) {
    const long long w = std::min<long long>(a.right, b.right) - std::max<long long>(a.left, b.left);
    const long long h = std::min<long long>(a.bottom, b.bottom) - std::max<long long>(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}
} // namespace

CRect ClampWindowRect(const CRect& rect, const std::vector<CRect>& screens) {
    if (screens.empty()) return rect;
    const CRect* best = &screens.front();
    long long bestArea = 0;
    for (const CRect& s : screens) {
        const long long a = Overlap(rect, s);
        if (a > bestArea) bestArea = a, best = &s;
    }
    const CRect& s = *best;
    const long long w =
        std::clamp<long long>((long long)rect.right - rect.left, 100, (long long)s.right - s.left);
    const long long h =
        std::clamp<long long>((long long)rect.bottom - rect.top, 100, (long long)s.bottom - s.top);
    const long long x = std::clamp<long long>(rect.left, s.left, s.right - w);
    const long long y = std::clamp<long long>(rect.top, s.top, s.bottom - h);
    return {int(x), int(y), int(x + w), int(y + h)};
}
