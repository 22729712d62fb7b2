// Flattened Bezier curves, on random curves: they end where the curve ends
// and follow it within the flatness wherever the box can see it.
#include "model/raster/flatten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

CPointD At(const CPointD p[4], double t) {
    const double s = 1 - t;
    return p[0] * (s * s * s) + p[1] * (3 * s * s * t) + p[2] * (3 * s * t * t) +
           p[3] * (t * t * t);
}

double DistanceToSegment(const CPointD& p, const CPointD& a, const CPointD& b) {
    const CPointD d = b - a, v = p - a;
    const double len2 = d.x * d.x + d.y * d.y;
    const double t = len2 == 0 ? 0 : std::clamp((v.x * d.x + v.y * d.y) / len2, 0.0, 1.0);
    const CPointD q = a + d * t;
    return std::hypot(p.x - q.x, p.y - q.y);
}

double DistanceToPolyline(const CPointD& p, const std::vector<CPointD>& line) {
    double best = INFINITY;
    for (std::size_t i = 0; i + 1 < line.size(); ++i)
        best = std::min(best, DistanceToSegment(p, line[i], line[i + 1]));
    return best;
}

std::vector<CPointD> Flattened(const CPointD p[4], const CRectD& box) {
    std::vector<CPointD> line{p[0]};
    FlattenCubic(p, box, line);
    return line;
}

// Each piece's control points lie within the flatness of its chord, along and
// across it, so the curve is never further than this from the polyline.
const double kReach = kFlatness * std::sqrt(2.0) + 1e-6;

} // namespace

// Curves of every size, wholly or partly in the box: the polyline ends exactly
// at the last control point, and every point of the curve seen in the box is
// near it, while a curve far larger than the box costs few points.
TEST(FlattenCubic, FollowsTheCurveInTheBoxAndEndsAtItsEnd) {
    std::mt19937 rng(3);
    const CRectD box{-4, -4, 104, 84};
    for (int n = 0; n < 300; ++n) {
        const double size = n % 3 == 0 ? 2e9 : n % 3 == 1 ? 3e4 : 100;
        std::uniform_real_distribution<double> coord(-size, size + 100);
        CPointD p[4];
        for (CPointD& q : p)
            q = {std::round(coord(rng)), std::round(coord(rng)) + 0.5};
        const std::vector<CPointD> line = Flattened(p, box);
        ASSERT_EQ(line.back(), p[3]) << n;
        EXPECT_LT(line.size(), 2000u) << n;
        for (int i = 0; i <= 2000; ++i) {
            const CPointD c = At(p, i / 2000.0);
            if (c.x < box.l || c.x > box.r || c.y < box.t || c.y > box.b) continue;
            ASSERT_LE(DistanceToPolyline(c, line), kReach) << n << " at t=" << i / 2000.0;
        }
    }
}

// A curve whose control points are all outside the box is one straight step,
// and a curve of one point stays one point.
TEST(FlattenCubic, CurvesOutOfSightAreNotSubdivided) {
    const CRectD box{0, 0, 100, 80};
    const CPointD far[4] = {{200, 10}, {900, -50}, {150, 500}, {300, 90}};
    EXPECT_EQ(Flattened(far, box), (std::vector<CPointD>{far[0], far[3]}));
    const CPointD dot[4] = {{5, 5}, {5, 5}, {5, 5}, {5, 5}};
    EXPECT_EQ(Flattened(dot, box), (std::vector<CPointD>{dot[0], dot[3]}));
}
