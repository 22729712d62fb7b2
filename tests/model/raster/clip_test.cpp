// Clipping segments and polygons to a box, checked on random figures against
// what clipping must keep: the part inside, and every inside point's winding.
#include "model/raster/clip.h"

#include "support/core_test.h"

namespace {

const CRectD kBox{0, 0, 100, 80};
constexpr double kEps = 1e-9;

bool Inside(const CPointD& p, const CRectD& box, double margin) {
    return p.x >= box.l + margin && p.x <= box.r - margin && p.y >= box.t + margin &&
           p.y <= box.b - margin;
}

// Where p lies along a-b, as a fraction of it (p on the line through them).
double Along(const CPointD& a, const CPointD& b, const CPointD& p) {
    const CPointD d = b - a, v = p - a;
    return (v.x * d.x + v.y * d.y) / (d.x * d.x + d.y * d.y);
}

int Winding(const std::vector<CPointD>& poly, const CPointD& p) {
    int w = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const CPointD a = poly[i], b = poly[(i + 1) % poly.size()];
        const double cross = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
        if (a.y <= p.y && b.y > p.y && cross > 0) ++w;
        if (a.y > p.y && b.y <= p.y && cross < 0) --w;
    }
    return w;
}

} // namespace

// The clipped segment is the part of the segment inside the box: ends that
// were inside stay, nothing inside is cut off, nothing outside is kept.
TEST(ClipSegment, KeepsExactlyThePartInsideTheBox) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> coord(-60, 160);
    for (int n = 0; n < 3000; ++n) {
        const CPointD a0{std::round(coord(rng)), coord(rng)},
            b0{coord(rng), std::round(coord(rng))};
        const CPointD a1 = n % 7 ? b0 : CPointD{b0.x, a0.y}; // some axis-parallel ones
        CPointD a = a0, b = a1;
        const bool bKept = ClipSegment(a, b, kBox);
        double from = 2, to = -1;
        for (int i = 0; i <= 400; ++i) {
            const CPointD p = a0 + (a1 - a0) * (i / 400.0);
            if (Inside(p, kBox, 0)) from = std::min(from, i / 400.0), to = std::max(to, i / 400.0);
            ASSERT_TRUE(bKept || !Inside(p, kBox, kEps)) << n;
        }
        if (!bKept) continue;
        ASSERT_TRUE(Inside(a, kBox, -kEps) && Inside(b, kBox, -kEps)) << n;
        EXPECT_TRUE(a == a0 || !Inside(a0, kBox, 0)) << n;
        EXPECT_TRUE(b == a1 || !Inside(a1, kBox, 0)) << n;
        if (a0 == a1) continue;
        const double ta = Along(a0, a1, a), tb = Along(a0, a1, b);
        EXPECT_TRUE(ta <= from + kEps && tb >= to - kEps && ta <= tb + kEps) << n;
    }
}

// A horizontal segment's bounds have no height and still meet the box.
TEST(ClipSegment, FlatBoundsOverlapTheBoxTheyCross) {
    const CPointD line[2] = {{-5, 40}, {120, 40}};
    EXPECT_TRUE(Overlaps(Bounds(line, 2), kBox));
    EXPECT_TRUE(Overlaps(kBox, Bounds(line, 2)));
    const CPointD above[2] = {{-5, -1}, {120, -1}};
    EXPECT_FALSE(Overlaps(Bounds(above, 2), kBox));
}

// Every point inside the box has the same winding number about the clipped
// polygon as about the original, so both fill rules fill the same; the
// clipped polygon stays in the box.
TEST(ClipPolygon, KeepsTheWindingOfEveryPointInside) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> coord(-80, 180), inside(0, 1);
    for (int n = 0; n < 400; ++n) {
        std::vector<CPointD> poly(3 + n % 6);
        for (CPointD& p : poly)
            p = {std::round(coord(rng)), std::round(coord(rng))};
        const std::vector<CPointD> clipped = ClipPolygon(poly, kBox);
        for (const CPointD& p : clipped)
            ASSERT_TRUE(Inside(p, kBox, -kEps)) << n;
        for (int i = 0; i < 200; ++i) {
            const CPointD p{100 * inside(rng) + 1e-7, 80 * inside(rng) + 1e-7};
            ASSERT_EQ(Winding(clipped, p), Winding(poly, p)) << n << " at " << p.x << "," << p.y;
        }
    }
}
