#include "view/commands/selection_ops.h"

void TurnPrimitives(const std::vector<CPrimitive*>& prims, int x, int y) {
    for (CPrimitive* p : prims)
        if (p->GetCapabilities() & CAP_ROTATE_ANY) p->Rotate(x, y, false);
}

void MirrorPrimitives(const std::vector<CPrimitive*>& prims, int x) {
    for (CPrimitive* p : prims)
        if (p->GetCapabilities() & CAP_MIRROR_ANY) p->Mirror(x);
}
