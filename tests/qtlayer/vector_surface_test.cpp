// The vector surface against the raster one, on images and in SVG files.
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_vector_surface.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <climits>
#include <functional>

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr COLORREF kInk = RGB(200, 30, 60);

bool Inked(const QImage& img, int x, int y) {
    return img.valid(x, y) && img.pixel(x, y) != kWhite;
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

CFontSpec Font(int height, int width = 0, int escapement = 0) {
    CFontSpec f;
    f.face = "*";
    f.nHeight = height;
    f.nWidth = width;
    f.nEscapement = escapement;
    return f;
}

using Figure = std::function<void(CSurface&)>;

} // namespace

// Each figure through both surfaces, aliased, with pens one pixel wide.
TEST(VectorSurface, DrawsTheRasterSurfacesShapesAndText) {
    const CPoint star[5] = {{48, 4}, {76, 90}, {4, 34}, {92, 34}, {20, 90}};
    const CPoint curve[4] = {{5, 80}, {30, 0}, {60, 95}, {90, 10}};
    const std::vector<std::tuple<const char*, int, Figure>> figures = {
        {"wide line", 1,
         [](CSurface& dc) {
             dc.SelectPen(CPen{kInk, 7, true, false});
             dc.DrawLine({10, 10}, {70, 40});
         }},
        {"winding star", 1,
         [&star](CSurface& dc) {
             dc.SetPolyFillMode(2);
             dc.Polygon(star, 5);
         }},
        {"alternate star", 1, [&star](CSurface& dc) { dc.Polygon(star, 5); }},
        {"ellipse", 1, [](CSurface& dc) { dc.Ellipse(10, 20, 80, 60); }},
        {"wide box", 1,
         [](CSurface& dc) {
             dc.SelectPen(CPen{kInk, 5, false, false});
             dc.Rectangle(15, 15, 70, 50);
         }},
        {"round box", 1, [](CSurface& dc) { dc.RoundRect(10, 10, 90, 60, 30, 20); }},
        {"bezier", 1, [&curve](CSurface& dc) { dc.PolyBezier(curve); }},
        {"circle", 1, [](CSurface& dc) { dc.EllipseOutline(20, 20, 76, 76); }},
        {"scaled box", 1,
         [](CSurface& dc) {
             dc.SetMapMode(MM_ISOTROPIC);
             dc.SetViewportExt(4, 4);
             dc.SetWindowOrg(-2, -2);
             dc.SelectPen(CPen{kInk, 2, true, false});
             dc.Rectangle(2, 3, 18, 20);
         }},
        {"huge", 0,
         [](CSurface& dc) {
             dc.Rectangle(-INT_MAX, -INT_MAX, INT_MAX, INT_MAX);
             dc.DrawLine({INT_MIN, 20}, {INT_MAX, 20});
         }},
        {"text", 3, [](CSurface& dc) { dc.TextOut(10, 30, "Wg Tav"); }},
        {"turned text", 3,
         [](CSurface& dc) {
             dc.SelectFont(Font(20, 0, 900));
             dc.TextOut(30, 90, "Wg Tav");
         }},
        {"narrow text", 3,
         [](CSurface& dc) {
             dc.SelectFont(Font(20, 9));
             dc.TextOut(5, 30, "Wg Tav");
         }},
        {"mirrored text", 3, [](CSurface& dc) { dc.TextOutMirrored(90, 30, "Wg Tav"); }},
    };
    for (const auto& [name, tolerance, draw] : figures) {
        QImage raster(96, 96, QImage::Format_RGB32), vector(96, 96, QImage::Format_RGB32);
        raster.fill(Qt::white);
        vector.fill(Qt::white);
        auto setUp = [](CSurface& dc) {
            dc.SelectPen(CPen{kInk, 0, false, false});
            dc.SelectBrush(CBrush{false, RGB(0, 128, 255)});
            dc.SelectFont(Font(20));
            dc.SetBkMode(TRANSPARENT);
        };
        {
            CQtSurface dc(raster);
            setUp(dc);
            draw(dc);
        }
        QPainter painter(&vector);
        CQtVectorSurface dc(painter, false, 1);
        setUp(dc);
        draw(dc);
        painter.end();
        const QRect r = InkBox(raster), v = InkBox(vector);
        const int t = tolerance;
        EXPECT_FALSE(r.isEmpty()) << name;
        EXPECT_TRUE(r.adjusted(-t, -t, t, t).contains(v) && v.adjusted(-t, -t, t, t).contains(r))
            << name;
        if (tolerance > 1) continue; // glyphs differ in detail
        EXPECT_GT(NearShare(raster, vector), 0.98) << name;
        EXPECT_GT(NearShare(vector, raster), 0.98) << name;
    }
}

TEST(VectorSurface, MeasuresTextLikeTheRasterSurfaceWithoutAnActivePainter) {
    QImage img(8, 8, QImage::Format_RGB32);
    CQtSurface raster(img);
    QPainter idle;
    CQtVectorSurface vector(idle, true, 0);
    for (const int height : {8, 20, 45}) {
        raster.SelectFont(Font(height));
        vector.SelectFont(Font(height));
        const CSize r = raster.GetTextExtent("Tavolin 123"),
                    v = vector.GetTextExtent("Tavolin 123");
        EXPECT_NEAR(v.cy, r.cy, 1) << height;
        EXPECT_NEAR(v.cx, r.cx, r.cx / 10 + 1) << height;
    }
    for (const int width : {4, 9, 30}) {
        vector.SelectFont(Font(20, width));
        EXPECT_NEAR(vector.GetTextMetrics().nAveCharWidth, width, 1) << width;
        EXPECT_NEAR(vector.GetTextExtent("ABCDEFGHIJ").cx, 10 * width, 2) << width;
    }
    vector.DrawLine({0, 0}, {50, 50});
    vector.TextOut(0, 0, "x");
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
        dc.SelectFont(Font(20, 15));
        dc.SetTextColor(RGB(0, 0, 192));
        dc.TextOut(10, 30, "caff\xe8");
        dc.TextOutMirrored(100, 80, "Tav");
        dc.DrawLine({0, 0}, {50, 0});
        dc.SelectPen(CPen{RGB(0, 192, 0), 9, true, false});
        dc.DrawLine({0, 10}, {50, 10});
    }
    const QString text = QString::fromUtf8(bytes);
    EXPECT_TRUE(text.contains(QString::fromUtf8(">caff\xc3\xa8</text>")));
    EXPECT_TRUE(text.contains(">Tav</text>"));
    EXPECT_TRUE(text.contains("fill=\"#0000c0\""));
    EXPECT_TRUE(text.contains(QRegularExpression("matrix\\(-[0-9.]+,0,0,1,"))); // mirrored
    EXPECT_TRUE(text.contains("stroke-width=\"2\""));                           // hairline
    EXPECT_TRUE(text.contains("stroke-width=\"9\" stroke-linecap=\"round\""));
}
