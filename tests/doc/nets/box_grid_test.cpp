// The box grid finds exactly the boxes a full scan finds, among boxes of every
// size from a point to the whole field.
#include "doc/nets/box_grid.h"

#include "support/core_test.h"

#include <cstdint>

TEST(BoxGrid, FindsWhatAFullScanFindsWhateverTheSizes) {
    std::uint32_t seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % std::uint32_t(n));
    };
    auto box = [&] {
        const double x = next(4000) - 2000, y = next(4000) - 2000;
        const double w = next(10) ? next(20) : next(3000), h = next(10) ? next(20) : next(3000);
        return CBox{x, y, x + w, y + h};
    };
    std::vector<CBox> boxes;
    for (int i = 0; i < 3000; ++i)
        boxes.push_back(box());
    const CBoxGrid grid(boxes);
    for (int q = 0; q < 300; ++q) {
        const CBox b = box();
        std::vector<int> found, want;
        grid.Query(b, [&](int i) { found.push_back(i); });
        for (int i = 0; i < int(boxes.size()); ++i)
            if (boxes[i].l <= b.r && b.l <= boxes[i].r && boxes[i].t <= b.b && b.t <= boxes[i].b)
                want.push_back(i);
        std::sort(found.begin(), found.end());
        ASSERT_EQ(found, want) << q;
    }
}
