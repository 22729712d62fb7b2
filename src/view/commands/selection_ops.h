#pragma once
// Turning and mirroring a set of primitives, skipping those that cannot.
#include "model/primitive.h"

#include <vector>

// A quarter turn clockwise on screen about (x, y).
void TurnPrimitives(const std::vector<CPrimitive*>& prims, int x, int y);
// About the vertical line through x.
void MirrorPrimitives(const std::vector<CPrimitive*>& prims, int x);
