#include "model/raster/box_shapes.h"

namespace {
constexpr std::size_t kMaxShapes = 4096;

void Append(const CRunList& runs, int margin, bool bStroke, std::vector<CShapeRun>& out) {
    for (const CPixelRun& r : runs.Runs())
        out.push_back({r.y - margin, r.x - margin, r.nLength, bStroke});
}
} // namespace

const std::vector<CShapeRun>* CBoxShapes::Get(const CPixelBox& box, const CBoxStyle& style) {
    const std::int64_t w = box.r - box.l, h = box.b - box.t;
    if (w <= 0 || h <= 0 || w > MAX_SIDE || h > MAX_SIDE || style.nPenWidth < 0 ||
        style.nPenWidth > MAX_SIDE || box.ew < 0 || box.ew > w || box.eh < 0 || box.eh > h)
        return nullptr;
    const std::uint64_t key =
        std::uint64_t(w) | std::uint64_t(h) << 8 | std::uint64_t(box.ew) << 16 |
        std::uint64_t(box.eh) << 24 | std::uint64_t(style.nPenWidth) << 32 |
        std::uint64_t(style.bFill) << 40 | std::uint64_t(style.bStroke) << 41 |
        std::uint64_t(style.bRound) << 42;
    auto it = m_shapes.find(key);
    if (it != m_shapes.end()) return &it->second;
    if (m_shapes.size() >= kMaxShapes) m_shapes.clear();
    // Placed clear of the image's edges, pen and all, so nothing is cut.
    const int m = int(style.nPenWidth) + 1;
    const CPixelBox placed{m, m, m + w, m + h, box.ew, box.eh};
    CRunList stroke(int(w) + 2 * m, int(h) + 2 * m), fill(int(w) + 2 * m, int(h) + 2 * m);
    AddBoxRuns(placed, style, stroke, fill);
    std::vector<CShapeRun> runs;
    Append(fill, m, false, runs);
    Append(stroke, m, true, runs);
    return &m_shapes.emplace(key, std::move(runs)).first->second;
}
