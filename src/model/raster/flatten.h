#pragma once
// Cubic Bezier curves as polylines, subdivided only where they can be seen.
#include "model/raster/clip.h"

#include <vector>

// How closely flattened curves follow the true ones, in device pixels.
constexpr double kFlatness = 0.2;

// Appends the curve after p[0] as a polyline whose last point is exactly p[3].
// Parts whose control points lie wholly outside `box` are not subdivided, so
// a curve of any size costs only what its visible part needs; inside it, every
// piece lies within kFlatness of its chord.
void FlattenCubic(const CPointD p[4], const CRectD& box, std::vector<CPointD>& out);
