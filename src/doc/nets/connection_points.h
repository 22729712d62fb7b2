#pragma once
// Where wires may end on a primitive: what the drag with the wires attached
// stretches and what joins a symbol to the wires of a net.
#include "model/primitive.h"

#include <vector>

// In an order moves and turns keep: a line's or track's ends, a dot, a pad's
// centre, a macro's origin and the ends of the lines it draws, its nested
// macros' included.
std::vector<CPoint> ConnectionPoints(const CPrimitive& p);
