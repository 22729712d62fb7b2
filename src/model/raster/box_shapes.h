#pragma once
// The pixels of small boxes, worked out once per size and style: a drawing
// holds thousands of dots, pads and holes of a few sizes each.
#include "model/raster/box_runs.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

// Pixels x .. x + n - 1 of row dy, from the box's upper-left corner.
struct CShapeRun {
    int dy, x, n;
    bool bStroke; // else the fill
};

class CBoxShapes final {
  public:
    static constexpr std::int64_t MAX_SIDE = 64; // pixels, box and pen alike

    // What AddBoxRuns gives for `box` and `style` on an image large enough,
    // as runs from the box's corner; null for a box or pen larger than kept.
    const std::vector<CShapeRun>* Get(const CPixelBox& box, const CBoxStyle& style);

  private:
    std::unordered_map<std::uint64_t, std::vector<CShapeRun>> m_shapes;
};
