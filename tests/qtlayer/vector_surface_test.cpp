// The vector surface against the raster one, on images and in SVG files.
#include "draw_script.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_vector_surface.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace {

constexpr COLORREF kInk = RGB(200, 30, 60);
const char* const kSetUp = "brush 0xff8000; font 20; transparent; ";

bool Inked(const QImage& img, int x, int y) {
    return img.valid(x, y) && img.pixel(x, y) != 0xffffffff;
}

QRect InkBox(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Inked(img, x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// The share of a's ink with ink of b at most one pixel away: thin figures may
// step differently and still be the same shape.
double NearShare(const QImage& a, const QImage& b) {
    int inked = 0, near = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Inked(a, x, y)) continue;
            ++inked;
            bool found = false;
            for (int d = 0; d < 9 && !found; ++d)
                found = Inked(b, x + d % 3 - 1, y + d / 3 - 1);
            near += found;
        }
    return inked == 0 ? 1 : double(near) / inked;
}

} // namespace

// Each figure through both surfaces, aliased, with pens one pixel wide: the
// same ink box within the tolerance, and for figures (not glyphs) the same ink.
TEST(VectorSurface, DrawsTheRasterSurfacesShapesAndText) {
    const std::pair<int, const char*> figures[] = {
        {1, "round 7; line 10 10 70 40"},
        {1, "winding; poly 48 4 76 90 4 34 92 34 20 90"},
        {1, "poly 48 4 76 90 4 34 92 34 20 90"},
        {1, "ellipse 10 20 80 60"},
        {1, "pen 5; rect 15 15 70 50"},
        {1, "rrect 10 10 90 60 30 20"},
        {1, "bezier 5 80 30 0 60 95 90 10"},
        {1, "circle 20 20 76 76"},
        {1, "iso; vext 4 4; worg -2 -2; round 2; rect 2 3 18 20"},
        {0, "rect -max -max max max; line min 20 max 20"},
        {3, "text 10 30 Wg Tav"},
        {3, "font 20 0 900; text 30 90 Wg Tav"},
        {3, "font 20 9; text 5 30 Wg Tav"},
        {3, "mirror 90 30 Wg Tav"},
    };
    for (const auto& [t, figure] : figures) {
        QImage raster(96, 96, QImage::Format_RGB32), vector(96, 96, QImage::Format_RGB32);
        raster.fill(Qt::white);
        vector.fill(Qt::white);
        {
            CQtSurface dc(raster);
            Play(dc, kSetUp + std::string("pen 0; ") + figure, kInk);
        }
        QPainter painter(&vector);
        CQtVectorSurface dc(painter, false, 1);
        Play(dc, kSetUp + std::string("pen 0; ") + figure, kInk);
        painter.end();
        const QRect r = InkBox(raster), v = InkBox(vector);
        EXPECT_FALSE(r.isEmpty()) << figure;
        EXPECT_TRUE(r.adjusted(-t, -t, t, t).contains(v) && v.adjusted(-t, -t, t, t).contains(r))
            << figure;
        if (t > 1) continue; // glyphs differ in detail
        EXPECT_GT(NearShare(raster, vector), 0.98) << figure;
        EXPECT_GT(NearShare(vector, raster), 0.98) << figure;
    }
}

// Without an active painter (the probe of the vector exports) text is measured
// as on the raster surface, and figures are ignored.
TEST(VectorSurface, MeasuresTextLikeTheRasterSurfaceWithoutAnActivePainter) {
    QImage img(8, 8, QImage::Format_RGB32);
    CQtSurface raster(img);
    QPainter idle;
    CQtVectorSurface vector(idle, true, 0);
    for (const int height : {8, 20, 45}) {
        raster.SelectFont(CFontSpec{"*", height});
        vector.SelectFont(CFontSpec{"*", height});
        const CSize r = raster.GetTextExtent("Tavolin 123"),
                    v = vector.GetTextExtent("Tavolin 123");
        EXPECT_NEAR(v.cy, r.cy, 1) << height;
        EXPECT_NEAR(v.cx, r.cx, r.cx / 10 + 1) << height;
    }
    for (const int width : {4, 9, 30}) {
        vector.SelectFont(CFontSpec{"*", 20, width});
        EXPECT_NEAR(vector.GetTextMetrics().nAveCharWidth, width, 1) << width;
        EXPECT_NEAR(vector.GetTextExtent("ABCDEFGHIJ").cx, 10 * width, 2) << width;
    }
    Play(vector, "line 0 0 50 50; text 0 0 x", kInk);
}

TEST(VectorSurface, KeepsTextAsTextAndPenWidthsInSvg) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(200, 200));
    {
        QPainter painter(&svg);
        CQtVectorSurface dc(painter, true, 2);
        dc.SetTextColor(RGB(0, 0, 192));
        Play(dc, "font 20 15; text 10 30 caff\xe8; mirror 100 80 Tav; pen 0; line 0 0 50 0", kInk);
        Play(dc, "round 9; line 0 10 50 10", RGB(0, 192, 0));
    }
    const QString text = QString::fromUtf8(bytes);
    EXPECT_TRUE(text.contains(QString::fromUtf8(">caff\xc3\xa8</text>")));
    EXPECT_TRUE(text.contains(">Tav</text>"));
    EXPECT_TRUE(text.contains("fill=\"#0000c0\""));
    EXPECT_TRUE(text.contains(QRegularExpression("matrix\\(-[0-9.]+,0,0,1,"))); // mirrored
    EXPECT_TRUE(text.contains("stroke-width=\"2\""));                           // hairline
    EXPECT_TRUE(text.contains("stroke-width=\"9\" stroke-linecap=\"round\""));
}
