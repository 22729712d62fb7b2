// Rectangles, rounded rectangles and ellipses as pixel spans, on random boxes:
// where their pixels are, and that outline and fill light each pixel once.
#include "model/raster/box_runs.h"
#include "model/raster/box_shapes.h"
#include "run_pixels.h"

#include <random>

namespace {

CPixelBox Box(std::int64_t l, std::int64_t t, std::int64_t w, std::int64_t h, std::int64_t ew,
              std::int64_t eh) {
    return PixelBox(CPoint{int(l), int(t)}, CPoint{int(l + w), int(t + h)}, ew, eh);
}

bool InSpan(const CPixelBox& box, std::int64_t x, std::int64_t y) {
    const CSpan s = RowSpan(box, y);
    return x >= s.lo && x <= s.hi;
}

struct CDrawnBox {
    PixelCount stroke, fill;
};

CDrawnBox Draw(const CPixelBox& box, const CBoxStyle& style, int w = 160, int h = 120) {
    CRunList stroke(w, h), fill(w, h);
    AddBoxRuns(box, style, stroke, fill);
    EXPECT_TRUE(OnceOnTheImage(Lit(stroke, Lit(fill)), stroke));
    return {Lit(stroke), Lit(fill)};
}

// The pixels of the box itself, as its spans give them, on a 160 x 120 image.
PixelCount Spans(const CPixelBox& box) {
    PixelCount out;
    for (std::int64_t y = std::max<std::int64_t>(box.t, 0); y < std::min<std::int64_t>(box.b, 120);
         ++y)
        for (std::int64_t x = std::max<std::int64_t>(box.l, 0);
             x < std::min<std::int64_t>(box.r, 160); ++x)
            if (InSpan(box, x, y)) out[{int(x), int(y)}] = 1;
    return out;
}

} // namespace

// A pixel is in an ellipse when its centre is, except that the middle rows
// span the whole width and every row keeps its middle pixels; rows mirror
// about the middle, and every pixel lies in the box.
TEST(BoxSpans, EllipsesHoldThePixelsWhoseCentresAreInside) {
    std::mt19937 rng(9);
    std::uniform_int_distribution<int> size(1, 70);
    for (int n = 0; n < 1500; ++n) {
        const std::int64_t w = size(rng), h = n % 5 ? size(rng) : 1 + n % 3;
        const CPixelBox box = Box(-7, 3, w, h, w, h);
        const double cx = box.l + w / 2.0, cy = box.t + h / 2.0;
        for (std::int64_t y = box.t - 1; y <= box.b; ++y) {
            const CSpan s = RowSpan(box, y), m = RowSpan(box, box.t + box.b - 1 - y);
            if (y < box.t || y >= box.b) {
                ASSERT_GT(s.lo, s.hi) << n;
                continue;
            }
            ASSERT_TRUE(s.lo == m.lo && s.hi == m.hi && s.lo >= box.l && s.hi < box.r) << n;
            ASSERT_EQ(s.lo - box.l, box.r - 1 - s.hi) << n; // and about the middle column
            const double dy = (y + 0.5 - cy) / (h / 2.0);
            const bool bMiddleRow = std::abs(y + 0.5 - cy) <= 0.5;
            for (std::int64_t x = box.l; x < box.r; ++x) {
                const double dx = (x + 0.5 - cx) / (w / 2.0), r2 = dx * dx + dy * dy;
                const bool bMiddle = std::abs(x + 0.5 - cx) <= 0.5;
                const bool bIn = r2 < 1 - 1e-9 || bMiddleRow || bMiddle;
                const bool bOut = !bIn && r2 > 1 + 1e-9;
                ASSERT_TRUE(bIn ? InSpan(box, x, y) : !bOut || !InSpan(box, x, y))
                    << n << ": " << x << "," << y;
            }
        }
    }
}

// A rounded rectangle's corner rows are cut in as far as its corner
// ellipse's rows are, its other rows are whole; corners given in any order
// make the same box, with the corner ellipse no larger than the box.
TEST(BoxSpans, RoundedCornersAreTheCornerEllipsesQuarters) {
    std::mt19937 rng(4);
    std::uniform_int_distribution<int> size(1, 90);
    for (int n = 0; n < 1500; ++n) {
        const std::int64_t w = size(rng), h = size(rng), ew = size(rng), eh = size(rng);
        const CPixelBox box = Box(10, 20, w, h, ew, eh);
        const CPixelBox flipped =
            PixelBox(CPoint{int(box.r), int(box.t)}, CPoint{10, int(box.b)}, ew, eh);
        ASSERT_TRUE(flipped.l == box.l && flipped.b == box.b && flipped.ew == box.ew &&
                    flipped.eh == box.eh && box.ew == std::min(ew, w) && box.eh == std::min(eh, h));
        const CPixelBox corner = Box(0, 0, box.ew, box.eh, box.ew, box.eh);
        for (std::int64_t j = 0; j < h; ++j) {
            const CSpan s = RowSpan(box, box.t + j);
            const std::int64_t k = j < (box.eh + 1) / 2           ? j
                                   : h - 1 - j < (box.eh + 1) / 2 ? box.eh - (h - j)
                                                                  : -1;
            const std::int64_t inset = k < 0 ? 0 : RowSpan(corner, k).lo;
            ASSERT_TRUE(s.lo == box.l + inset && s.hi == box.r - 1 - inset) << n << " row " << j;
        }
    }
}

// A thin outline is the box's pixels with a neighbour outside it and the fill
// the others; a wide rectangle's outline is the thin one swept by a square
// pen centred as a wide line's.
TEST(BoxRuns, OutlinesAndFillsSplitTheBoxPixelForPixel) {
    std::mt19937 rng(6);
    std::uniform_int_distribution<int> pos(-30, 130), size(1, 80), pen(2, 9);
    for (int n = 0; n < 800; ++n) {
        const std::int64_t w = size(rng), h = size(rng);
        const bool bEllipse = n % 2 == 0;
        const CPixelBox box = Box(pos(rng), pos(rng), w, h, bEllipse ? w : 0, bEllipse ? h : 0);
        const PixelCount inside = Spans(box);
        const CDrawnBox thin = Draw(box, {true, true, 0, false});
        for (const auto& [p, k] : inside) {
            const auto [x, y] = p;
            const bool bEdge = !InSpan(box, x - 1, y) || !InSpan(box, x + 1, y) ||
                               !InSpan(box, x, y - 1) || !InSpan(box, x, y + 1);
            ASSERT_EQ(thin.stroke.count(p), bEdge ? 1u : 0u) << n << ": " << x << "," << y;
        }
        ASSERT_EQ(int(thin.stroke.size() + thin.fill.size()), int(inside.size())) << n;
        EXPECT_EQ(Draw(box, {true, false, 0, false}).fill, inside) << n;
        EXPECT_EQ(Draw(box, {false, true, 0, false}).stroke, thin.stroke) << n;

        const int width = pen(rng);
        const CDrawnBox wide = Draw(box, {true, true, width, false});
        if (bEllipse) {
            // The pen grows the ellipse about its outermost pixel centres and
            // is as wide as the pen across its middle row.
            const int lo = width / 2, hi = (width - 1) / 2;
            const CPixelBox grown =
                Box(box.l - lo, box.t - lo, w + lo + hi, h + lo + hi, INT32_MAX, INT32_MAX);
            PixelCount all = wide.stroke;
            all.insert(wide.fill.begin(), wide.fill.end());
            ASSERT_EQ(all, Spans(grown)) << n << " pen " << width;
            // A curved outline has no corners for a round pen to join.
            EXPECT_EQ(Draw(box, {true, true, width, true}).stroke, wide.stroke) << n;
            if (w <= 2 * width + 2 || h <= 2 * width + 2) continue;
            const std::int64_t y = grown.t + (grown.b - grown.t) / 2;
            for (std::int64_t x = grown.l; x < grown.r; ++x) {
                const bool bRing = x < grown.l + width || x >= grown.r - width;
                const bool bSeen = x >= 0 && x < 160 && y >= 0 && y < 120;
                ASSERT_TRUE(!bSeen || wide.stroke.count({int(x), int(y)}) == (bRing ? 1u : 0u))
                    << n << ": " << x << "," << y;
            }
            continue;
        }
        PixelCount swept;
        for (const auto& [p, k] :
             Draw(Box(box.l + 100, box.t + 100, w, h, 0, 0), {false, true, 0, false}, 400, 400)
                 .stroke)
            for (int dy = -width / 2; dy <= (width - 1) / 2; ++dy)
                for (int dx = -width / 2; dx <= (width - 1) / 2; ++dx) {
                    const int x = p.first - 100 + dx, y = p.second - 100 + dy;
                    if (x >= 0 && y >= 0 && x < 160 && y < 120) swept[{x, y}] = 1;
                }
        ASSERT_EQ(wide.stroke, swept) << n << " pen " << width;
    }
}

// Round joins cut the outer corners of a wide rectangle; only the rows on the
// image are visited, so a box of any size costs the image's rows.
TEST(BoxRuns, RoundJoinsAndBoxesOfAnySize) {
    const CPixelBox box = Box(20, 20, 40, 30, 0, 0);
    const CDrawnBox square = Draw(box, {false, true, 7, false}),
                    round = Draw(box, {false, true, 7, true});
    EXPECT_TRUE(square.stroke.count({17, 17}) && !round.stroke.count({17, 17}));
    EXPECT_TRUE(round.stroke.count({20, 17}) && round.stroke.count({17, 20}));
    const CPixelBox huge = PixelBox(CPoint{INT32_MIN, INT32_MIN}, CPoint{INT32_MAX, 50}, 0, 0);
    const CDrawnBox big = Draw(huge, {true, true, 5, false});
    EXPECT_EQ(big.stroke.size(), 5u * 160); // rows 47 to 51
    EXPECT_EQ(big.fill.size(), 47u * 160);
    EXPECT_EQ(Draw(PixelBox(CPoint{INT32_MIN, INT32_MIN}, CPoint{INT32_MAX, INT32_MAX}, INT32_MAX,
                            INT32_MAX),
                   {true, false, 0, false})
                  .fill.size(),
              160u * 120);
}

// A small box's kept pixels, placed at its corner, are the pixels its runs
// light there, cut by the image's edges alike; larger boxes are not kept.
TEST(BoxShapes, KeptPixelsAreTheBoxRunsAnywhere) {
    std::mt19937 rng(11);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    CBoxShapes shapes;
    for (int i = 0; i < 400; ++i) {
        const int w = pick(1, 30), h = pick(1, 30), kind = pick(0, 2);
        const std::int64_t e = kind == 0 ? 0 : kind == 1 ? INT64_MAX : pick(0, 12);
        const CPixelBox box = Box(pick(-20, 150), pick(-20, 110), w, h, e, e);
        const CBoxStyle style{pick(0, 1) == 1, pick(0, 3) > 0, pick(0, 4) == 0 ? pick(1, 9) : 0,
                              pick(0, 1) == 1};
        const std::vector<CShapeRun>* kept = shapes.Get(box, style);
        ASSERT_NE(kept, nullptr);
        CDrawnBox fromShape;
        for (const CShapeRun& r : *kept)
            for (int x = r.x; x < r.x + r.n; ++x) {
                const int px = int(box.l) + x, py = int(box.t) + r.dy;
                if (px >= 0 && py >= 0 && px < 160 && py < 120)
                    ++(r.bStroke ? fromShape.stroke : fromShape.fill)[{px, py}];
            }
        const CDrawnBox drawn = Draw(box, style);
        EXPECT_EQ(fromShape.stroke, drawn.stroke) << i;
        EXPECT_EQ(fromShape.fill, drawn.fill) << i;
    }
    EXPECT_EQ(shapes.Get(Box(0, 0, CBoxShapes::MAX_SIDE + 1, 4, 0, 0), {true, true, 0, false}),
              nullptr);
}
