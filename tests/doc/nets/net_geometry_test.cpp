// Exact distances between copper figures: each shape against each, at a gap
// just under, at and just over a rule, and shapes that touch or lie inside others.
#include "doc/nets/net_geometry.h"
#include "support/core_test.h"

namespace {
// A shape's line on layer 1 with its extreme point on the x axis at x: its
// body to the left (s = 1) or to the right (s = -1).
using CShapeLine = std::string (*)(int x, int s);
std::string F(const char* fmt, int a, int b, int c, int d, int e, int f) {
    char buf[96];
    std::snprintf(buf, sizeof buf, fmt, a, b, c, d, e, f);
    return buf;
}
const struct {
    const char* name;
    CShapeLine line;
} kShapes[] = {
    {"track along",
     [](int x, int s) { return F("PL %d %d %d %d 8 1", x - s * 20, 0, x - s * 4, 0, 0, 0); }},
    {"track across",
     [](int x, int s) { return F("PL %d %d %d %d 8 1", x - s * 4, -10, x - s * 4, 10, 0, 0); }},
    {"round pad", [](int x, int s) { return F("PA %d %d 10 10 3 0 1", x - s * 5, 0, 0, 0, 0, 0); }},
    {"oval pad", [](int x, int s) { return F("PA %d %d 12 8 3 0 1", x - s * 6, 0, 0, 0, 0, 0); }},
    {"square pad",
     [](int x, int s) { return F("PA %d %d 10 10 3 1 1", x - s * 5, 0, 0, 0, 0, 0); }},
    {"rounded pad",
     [](int x, int s) { return F("PA %d %d 12 12 3 2 1", x - s * 6, 0, 0, 0, 0, 0); }},
    {"rounded oval pad",
     [](int x, int s) { return F("PA %d %d 8 16 3 2 1", x - s * 4, 0, 0, 0, 0, 0); }},
    {"box", [](int x, int s) { return F("RP %d %d %d %d 1", x - s * 10, -5, x, 5, 0, 0); }},
    {"triangle",
     [](int x, int s) { return F("PP %d %d %d %d %d -5 1", x - s * 10, 5, x, 0, x - s * 10, 0); }},
    {"disc", [](int x, int s) { return F("EP %d %d %d %d 1", x - s * 10, -4, x, 4, 0, 0); }},
};

CCopperShape ShapeOf(const std::string& line) {
    const auto p = Read(line);
    CCopperShape s;
    EXPECT_TRUE(p && CopperShape(*p, s)) << line;
    return s;
}
} // namespace

TEST(NetGeometry, EachShapeAgainstEachIsMeasuredExactlyAcrossAGap) {
    for (const auto& a : kShapes)
        for (const auto& b : kShapes)
            for (int gap : {9, 10, 11}) {
                const CNearest n = ShapeDistance(ShapeOf(a.line(0, 1)), ShapeOf(b.line(gap, -1)));
                EXPECT_NEAR(n.d, gap, 1e-9) << a.name << " / " << b.name << " " << gap;
                EXPECT_NEAR(n.b.x - n.a.x, gap, 1e-9) << a.name << " / " << b.name;
            }
}

TEST(NetGeometry, ShapesThatTouchOverlapOrHoldOneAnotherAreAtNoDistance) {
    const struct {
        const char *a, *b;
        double d;
    } kCases[] = {
        {"PL 0 0 20 0 4 1", "PL 10 -10 10 10 4 1", 0},               // crossing
        {"PL 0 0 20 0 4 1", "PL 20 0 20 10 4 1", 0},                 // sharing an end
        {"PL 0 0 20 0 4 1", "PL 0 4 20 4 4 1", 0},                   // edges touching
        {"PL 0 0 20 0 4 1", "PL 0 5 20 5 4 1", 1},                   // parallel
        {"PL 0 0 20 0 2 1", "PL 23 4 30 4 2 1", 3},                  // end to end, diagonally
        {"PP 0 0 100 0 100 100 0 100 1", "PA 50 50 10 10 3 0 1", 0}, // pad inside
        {"PA 50 50 10 10 3 0 1", "PP 0 0 100 0 100 100 0 100 1", 0},
        {"RP 0 0 100 100 1", "PL 10 10 20 20 2 1", 0},     // track inside
        {"PA 0 0 10 10 3 1 1", "PA 10 10 10 10 3 1 1", 0}, // corners meet
        {"PA 0 0 10 10 3 1 1", "PA 13 14 10 10 3 1 1", 5}, // corner to corner: 3-4-5
        {"PA 0 0 12 12 3 2 1", "PA 20 20 12 12 3 2 1", 14 * std::sqrt(2.0) - 6},
    };
    for (const auto& c : kCases)
        EXPECT_NEAR(ShapeDistance(ShapeOf(c.a), ShapeOf(c.b)).d, c.d, 1e-9) << c.a << " / " << c.b;
}

TEST(NetGeometry, SegmentsAndPointsAreMeasuredToTheirNearestPoints) {
    EXPECT_NEAR(SegmentSegment({0, 0}, {10, 0}, {5, 3}, {5, 9}).d, 3, 1e-12);
    EXPECT_NEAR(SegmentSegment({0, 0}, {10, 0}, {13, 4}, {20, 4}).d, 5, 1e-12);
    EXPECT_NEAR(PointSegment({-3, 4}, {0, 0}, {0, 0}).d, 5, 1e-12); // a segment of no length
    EXPECT_TRUE(PointInPolygon({1, 1}, {{0, 0}, {4, 0}, {0, 4}}));
    EXPECT_FALSE(PointInPolygon({3, 3}, {{0, 0}, {4, 0}, {0, 4}}));
}
