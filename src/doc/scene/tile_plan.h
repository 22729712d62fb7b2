#pragma once
// How a view's scene is cut for drawing. Tiles of SCENE_TILE device pixels
// are fixed to the sheet, so a pixel is always drawn with the same device
// around it; the workers draw parts of SCENE_PART pixels, which never cross
// a tile's edge, those nearest the middle of the window first.
#include "model/geometry.h"

#include <vector>

constexpr int SCENE_TILE = 2048;
constexpr int SCENE_PART = 512;
static_assert(SCENE_TILE % SCENE_PART == 0, "parts must not cross tiles");

// The parts covering `dirty` (image pixels, right/bottom excluded), each cut
// to its rectangle, on a grid whose lines run through `origin`, the image
// pixel of the sheet's device origin; ordered by their distance from `centre`.
std::vector<CRect> PlanParts(const std::vector<CRect>& dirty, CPoint origin, CPoint centre);
