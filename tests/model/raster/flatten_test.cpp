// Flattened Bezier curves, on random curves: they end where the curve ends
// and follow it within the flatness wherever the box can see it.
#include "model/raster/flatten.h"

#include "support/core_test.h"

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

// Curves of every size that pass through the box, some of them running back
// and forth along one line: the polyline ends exactly at the last control
// point, every point of the curve seen in the box is near it, and a curve far
// larger than the box costs few points.
TEST(FlattenCubic, FollowsTheCurveInTheBoxAndEndsAtItsEnd) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> unit(0, 1);
    const CRectD box{-4, -4, 104, 84};
    for (int n = 0; n < 300; ++n) {
        const double size = n % 3 == 0 ? 2e9 : n % 3 == 1 ? 3e4 : 100;
        std::uniform_real_distribution<double> coord(-size, size);
        CPointD p[4];
        const CPointD dir{coord(rng), coord(rng)};
        for (CPointD& q : p)
            q = n % 5 == 0 ? dir * (3 * unit(rng) - 1) : CPointD{coord(rng), coord(rng)};
        // Moved so that the point at t lands in the box, on whole pixels plus a half.
        const double t = unit(rng);
        const CPointD at = At(p, t), to{100 * unit(rng), 80 * unit(rng)};
        for (CPointD& q : p)
            q = {std::round(q.x + to.x - at.x), std::round(q.y + to.y - at.y) + 0.5};
        const std::vector<CPointD> line = Flattened(p, box);
        ASSERT_EQ(line.back(), p[3]) << n;
        EXPECT_LT(line.size(), 2000u) << n;
        // Evenly over the curve, and densely, about a tenth of a pixel apart, around t.
        const CPointD d = (p[1] - p[0]) * (3 * (1 - t) * (1 - t)) +
                          (p[2] - p[1]) * (6 * (1 - t) * t) + (p[3] - p[2]) * (3 * t * t);
        const double step = 0.1 / std::max(std::hypot(d.x, d.y), 1e-9);
        for (int i = -1000; i <= 2000; ++i) {
            const double s = i < 0 ? t + (i + 500) * step : i / 2000.0;
            if (s < 0 || s > 1) continue;
            const CPointD c = At(p, s);
            if (c.x < box.l || c.x > box.r || c.y < box.t || c.y > box.b) continue;
            ASSERT_LE(DistanceToPolyline(c, line), kReach) << n << " at t=" << s;
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
