#pragma once
// A stored window rectangle brought onto the screens attached now: onto the
// screen it overlaps most (the first screen when it overlaps none), no larger
// than that screen and wholly inside it.
#include "model/geometry.h"

#include <vector>

CRect ClampWindowRect(const CRect& rect, const std::vector<CRect>& screens);
