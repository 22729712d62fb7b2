#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_surface.h"

#include <gtest/gtest.h>

#include <QImage>

#include <climits>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr COLORREF kInk = RGB(200, 30, 60);

using PixelSet = std::set<std::pair<int, int>>;

QImage Blank(int w = 64, int h = 64) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QRgb ToRgb(COLORREF c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

PixelSet Ink(const QImage& img) {
    PixelSet ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != kWhite) ink.insert({x, y});
    return ink;
}

QRect InkBox(const QImage& img) {
    QRect box;
    for (const auto& [x, y] : Ink(img))
        box |= QRect(x, y, 1, 1);
    return box;
}

void UsePen(CSurface& dc, int width = 0, bool bRound = false) {
    dc.SelectPen(CPen{kInk, width, bRound, false});
}

CFontSpec Font(const std::string& face, int height, int width = 0, int escapement = 0) {
    CFontSpec f;
    f.face = face;
    f.nHeight = height;
    f.nWidth = width;
    f.nEscapement = escapement;
    return f;
}

} // namespace

TEST(QtSurfaceRop, EveryFigureDrawnTwiceInNotXorRestoresTheImage) {
    const std::vector<std::pair<const char*, std::function<void(CSurface&)>>> figures = {
        {"line",
         [](CSurface& dc) {
             dc.DrawLine({60, 50}, {3, 7});
         }},
        {"wide line",
         [](CSurface& dc) {
             UsePen(dc, 5, true);
             dc.DrawLine({5, 5}, {50, 30});
         }},
        {"polygon",
         [](CSurface& dc) {
             const CPoint star[5] = {{32, 2}, {50, 60}, {2, 22}, {62, 22}, {14, 60}};
             dc.SelectBrush(CBrush{false, RGB(0, 128, 255)});
             dc.SetPolyFillMode(2);
             dc.Polygon(star, 5);
         }},
        {"ellipse",
         [](CSurface& dc) {
             dc.SelectBrush(CBrush{false, RGB(0, 200, 0)});
             dc.Ellipse(4, 9, 57, 40);
         }},
        {"round rect", [](CSurface& dc) { dc.RoundRect(3, 3, 50, 40, 16, 12); }},
        {"bezier",
         [](CSurface& dc) {
             const CPoint pts[4] = {{2, 60}, {10, -20}, {50, 90}, {62, 4}};
             dc.PolyBezier(pts);
         }},
        {"text box",
         [](CSurface& dc) {
             const CPoint box[4] = {{10, 40}, {40, 10}, {48, 18}, {18, 48}};
             dc.Polygon(box, 4);
         }},
    };
    for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        for (const auto& [name, draw] : figures) {
            QImage img(64, 64, format);
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x)
                    img.setPixel(x, y, qRgb(x * 4, y * 4, 90));
            const QImage before = img.copy();
            CQtSurface dc(img);
            UsePen(dc);
            dc.SetROP2(R2_NOTXORPEN);
            draw(dc);
            EXPECT_NE(img.copy(), before) << name;
            draw(dc);
            EXPECT_EQ(img.copy(), before) << name << " " << format;
        }
    }
}

TEST(QtSurfaceLine, LeavesOutTheEndPixelInEveryDirection) {
    const CPoint centre{30, 30};
    const CPoint ends[] = {{50, 30}, {10, 30}, {30, 50}, {30, 10}, {50, 41},
                           {10, 19}, {41, 50}, {19, 10}, {45, 45}, {15, 15}};
    for (const CPoint& end : ends) {
        for (const bool bReverse : {false, true}) {
            const CPoint a = bReverse ? end : centre, b = bReverse ? centre : end;
            QImage img = Blank();
            CQtSurface dc(img);
            UsePen(dc);
            dc.DrawLine(a, b);
            const int major = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
            EXPECT_EQ(img.pixel(a.x, a.y), ToRgb(kInk)) << a.x << "," << a.y;
            EXPECT_EQ(img.pixel(b.x, b.y), kWhite) << b.x << "," << b.y;
            EXPECT_EQ(int(Ink(img).size()), major);
        }
    }
}

TEST(QtSurfaceLine, ReversedLineCoversTheSamePixelsWithEndsSwapped) {
    unsigned seed = 7;
    auto next = [&seed] { return int((seed = seed * 1103515245u + 12345u) >> 16) % 60 + 2; };
    for (int i = 0; i < 200; ++i) {
        const CPoint a{next(), next()}, b{next(), next()};
        if (a == b) continue;
        QImage forward = Blank(), backward = Blank();
        {
            CQtSurface dc(forward);
            UsePen(dc);
            dc.DrawLine(a, b);
            dc.SetPixel(b.x, b.y, kInk);
        }
        {
            CQtSurface dc(backward);
            UsePen(dc);
            dc.DrawLine(b, a);
            dc.SetPixel(a.x, a.y, kInk);
        }
        ASSERT_EQ(Ink(forward), Ink(backward)) << a.x << "," << a.y << " " << b.x << "," << b.y;
    }
}

// Drawn with LineTo in NOTXOR, a zigzag must show every vertex: each pixel is
// touched once, so none cancels out.
TEST(QtSurfaceLine, NotXorPolylineHasNoHolesAndSetPixelIgnoresTheRop) {
    QImage img = Blank();
    CQtSurface dc(img);
    dc.SelectPen(CPen{0, 0, false, false});
    dc.SetROP2(R2_NOTXORPEN);
    const CPoint path[] = {{5, 5}, {12, 40}, {20, 8}, {40, 50}, {58, 6}, {30, 3}, {5, 5}};
    dc.MoveTo(path[0].x, path[0].y);
    for (const CPoint& p : path)
        dc.LineTo(p.x, p.y);
    for (const CPoint& p : path)
        EXPECT_EQ(img.pixel(p.x, p.y), qRgb(0, 0, 0)) << p.x << "," << p.y;
    dc.DrawLine({40, 60}, {40, 60});
    EXPECT_EQ(img.pixel(40, 60), kWhite);
    dc.SetPixel(40, 60, kInk);
    dc.SetPixel(40, 60, kInk);
    EXPECT_EQ(img.pixel(40, 60), ToRgb(kInk));
}

TEST(QtSurfaceBoxes, ExcludeTheirRightAndBottomEdges) {
    for (const bool bFilled : {false, true}) {
        QImage rect = Blank(), ellipse = Blank();
        {
            CQtSurface dc(rect);
            UsePen(dc);
            if (bFilled) dc.SelectBrush(CBrush{false, kInk});
            dc.Rectangle(0, 0, 10, 10);
        }
        EXPECT_EQ(InkBox(rect), QRect(0, 0, 10, 10));
        EXPECT_EQ(Ink(rect).size(), bFilled ? 100u : 36u);
        {
            CQtSurface dc(ellipse);
            UsePen(dc);
            if (bFilled) dc.SelectBrush(CBrush{false, kInk});
            dc.Ellipse(20, 20, 40, 30);
        }
        EXPECT_EQ(InkBox(ellipse), QRect(20, 20, 20, 10));
    }
}

// The outline and the fill never share a pixel: drawn in one colour in NOTXOR
// on white, a filled box shows no pixel cancelled.
TEST(QtSurfaceBoxes, FilledBoxesTouchEachPixelOnceAndWidePensMakeRings) {
    const std::vector<std::function<void(CSurface&)>> boxes = {
        [](CSurface& dc) { dc.Rectangle(10, 10, 40, 30); },
        [](CSurface& dc) { dc.Ellipse(10, 10, 40, 30); },
        [](CSurface& dc) { dc.RoundRect(10, 10, 40, 30, 12, 8); },
    };
    for (const int width : {0, 5}) {
        for (const auto& draw : boxes) {
            QImage filled = Blank(), solid = Blank();
            for (QImage* img : {&filled, &solid}) {
                CQtSurface dc(*img);
                dc.SelectPen(CPen{RGB(0, 0, 255), width, false, false});
                dc.SelectBrush(CBrush{false, RGB(0, 0, 255)});
                if (img == &filled) dc.SetROP2(R2_NOTXORPEN);
                draw(dc);
            }
            EXPECT_EQ(Ink(filled), Ink(solid)) << width;
            const QRect expected =
                QRect(10, 10, 30, 20)
                    .adjusted(-width / 2, -width / 2, (width - 1) / 2, (width - 1) / 2);
            EXPECT_EQ(InkBox(solid), expected) << width;
        }
    }
    QImage ring = Blank();
    CQtSurface dc(ring);
    UsePen(dc, 5);
    dc.Rectangle(10, 10, 40, 30);
    for (int x = 5; x < 20; ++x)
        EXPECT_EQ(ring.pixel(x, 20) != kWhite, x >= 8 && x <= 12) << x;
}

TEST(QtSurfaceBoxes, PadShowsItsHoleAndFillModesDiffer) {
    QImage pad = Blank();
    {
        CQtSurface dc(pad);
        UsePen(dc);
        dc.SelectBrush(CBrush{false, kInk});
        dc.Ellipse(10, 10, 51, 51);
        dc.SelectPen(CPen{0, 0, false, true});
        dc.SelectBrush(CBrush{false, RGB(255, 255, 255)});
        dc.Ellipse(24, 24, 37, 37);
    }
    EXPECT_EQ(pad.pixel(30, 30), kWhite);
    for (const auto& [x, y] : {std::pair{15, 30}, {45, 30}, {30, 15}, {30, 45}})
        EXPECT_EQ(pad.pixel(x, y), ToRgb(kInk)) << x << "," << y;

    const CPoint star[5] = {{32, 2}, {50, 60}, {2, 22}, {62, 22}, {14, 60}};
    for (const int mode : {1, 2}) {
        QImage img = Blank();
        CQtSurface dc(img);
        dc.SelectBrush(CBrush{false, kInk});
        dc.SetPolyFillMode(mode);
        dc.Polygon(star, 5);
        EXPECT_EQ(img.pixel(32, 32), mode == 2 ? ToRgb(kInk) : kWhite);
    }
}

TEST(QtSurfaceMapping, IsotropicLineAndPenWidthLandOnTheExpectedPixels) {
    QImage img = Blank(320, 320);
    CQtSurface dc(img);
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(2500, 2500);
    dc.SetViewportExt(500, 300);
    dc.SetViewportOrg(10, 20);
    UsePen(dc);
    dc.DrawLine({0, 1000}, {2500, 1000});
    EXPECT_EQ(img.pixel(10, 140), ToRgb(kInk));
    EXPECT_EQ(img.pixel(309, 140), ToRgb(kInk));
    EXPECT_EQ(img.pixel(310, 140), kWhite);
    EXPECT_EQ(int(Ink(img).size()), 300);

    UsePen(dc, 50, true); // six device pixels
    dc.DrawLine({1000, 1500}, {1000, 2000});
    int thickness = 0;
    for (int x = 100; x < 160; ++x)
        thickness += img.pixel(x, 230) != kWhite;
    EXPECT_EQ(thickness, 6);
}

TEST(QtSurfaceHuge, CoordinatesAtTheInt32LimitsDrawWhatIsVisible) {
    QImage img = Blank();
    CQtSurface dc(img);
    UsePen(dc);
    dc.DrawLine({INT_MIN, 10}, {INT_MAX, 10});
    for (int x = 0; x < 64; ++x)
        EXPECT_EQ(img.pixel(x, 10), ToRgb(kInk));
    dc.DrawLine({20, 20}, {INT_MIN, 20});
    EXPECT_EQ(img.pixel(20, 20), ToRgb(kInk));
    EXPECT_EQ(img.pixel(0, 20), ToRgb(kInk));

    // A circle of radius 10^9 whose rightmost point is at x = 31.
    const int r = 1000000000;
    dc.SelectBrush(CBrush{false, kInk});
    dc.Ellipse(32 - 2 * r, 40 - r, 32, 40 + r);
    EXPECT_EQ(img.pixel(29, 40), ToRgb(kInk));
    EXPECT_EQ(img.pixel(33, 40), kWhite);

    const CPoint curve[4] = {{INT_MIN, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}, {INT_MAX, INT_MIN}};
    const CPoint poly[3] = {{INT_MIN, INT_MAX}, {INT_MAX, INT_MAX}, {0, INT_MIN}};
    dc.PolyBezier(curve);
    dc.Polygon(poly, 3);
    dc.RoundRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    UsePen(dc, INT_MAX, true);
    dc.DrawLine({INT_MIN, 0}, {INT_MAX, 5});
    dc.SelectFont(Font("*", INT_MAX));
    dc.TextOut(INT_MAX, INT_MAX, "overflow");
    dc.TextOutMirrored(INT_MIN, 0, "overflow");

    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1000, 1000);
    UsePen(dc);
    dc.Rectangle(-INT_MAX, -INT_MAX, INT_MAX, INT_MAX);
    for (int y = 0; y < 64; y += 7)
        for (int x = 0; x < 64; x += 7)
            ASSERT_EQ(img.pixel(x, y), ToRgb(kInk));
}

TEST(QtSurfaceText, ExtentFollowsHeightAndAverageWidth) {
    QImage img = Blank();
    CQtSurface dc(img);
    dc.SelectFont(Font("Courier New", 20));
    const CSize natural = dc.GetTextExtent("ABCDEFGHIJ");
    const CTextMetrics tm = dc.GetTextMetrics();
    EXPECT_LE(natural.cy, 20);
    EXPECT_GE(natural.cy, 18);
    EXPECT_EQ(tm.nHeight, natural.cy);
    EXPECT_EQ(tm.nAscent + tm.nDescent, tm.nHeight);
    EXPECT_GT(tm.nAscent, tm.nDescent);

    dc.SelectFont(Font("Courier New", 40));
    const CSize taller = dc.GetTextExtent("ABCDEFGHIJ");
    EXPECT_GT(taller.cy, natural.cy);
    EXPECT_GT(taller.cx, natural.cx);

    for (const int width : {4, 9, 15, 30}) {
        dc.SelectFont(Font("Courier New", 20, width));
        EXPECT_NEAR(dc.GetTextMetrics().nAveCharWidth, width, 1) << width;
        EXPECT_NEAR(dc.GetTextExtent("ABCDEFGHIJ").cx, 10 * width, 10) << width;
    }
}

TEST(QtSurfaceText, DefaultAndUnknownFacesAreRealFixedPitchFaces) {
    QImage img = Blank();
    CQtSurface dc(img);
    for (const char* face : {"Courier New", "*", "", "No Such Face 123"}) {
        dc.SelectFont(Font(face, 16));
        const CSize narrow = dc.GetTextExtent("iiiiii"), wide = dc.GetTextExtent("MMMMMM");
        EXPECT_GT(narrow.cx, 0) << face;
        EXPECT_EQ(narrow.cx, wide.cx) << face;
    }
    const std::vector<std::string> faces = CQtFontFaces().FixedPitchFaces();
    EXPECT_NE(std::find(faces.begin(), faces.end(), "Liberation Mono"), faces.end());
    EXPECT_EQ(std::find(faces.begin(), faces.end(), "Liberation Sans"), faces.end());
}

TEST(QtSurfaceText, TextSitsInItsCellTurnsWithEscapementAndFillsOpaqueBackground) {
    QImage flat = Blank(120, 120), turned = Blank(120, 120), opaque = Blank(120, 120);
    CSize extent;
    {
        CQtSurface dc(flat);
        dc.SelectFont(Font("*", 20));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, 30, "Wg");
        extent = dc.GetTextExtent("Wg");
    }
    EXPECT_TRUE(QRect(10, 30, extent.cx, extent.cy).contains(InkBox(flat)));
    {
        CQtSurface dc(turned);
        dc.SelectFont(Font("*", 20, 0, 900));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(30, 100, "Wg");
    }
    EXPECT_TRUE(QRect(30, 100 - extent.cx, extent.cy, extent.cx).contains(InkBox(turned)));
    {
        CQtSurface dc(opaque);
        dc.SelectFont(Font("*", 20));
        dc.SetBkColor(RGB(0, 0, 255));
        dc.TextOut(10, 30, "Wg");
    }
    EXPECT_EQ(InkBox(opaque), QRect(10, 30, extent.cx, extent.cy));
    EXPECT_EQ(opaque.pixel(10, 30), qRgb(0, 0, 255));
}

TEST(QtSurfaceText, MirroredTextIsTheReflectionOfTheNormalText) {
    for (const int escapement : {0, 900, 300}) {
        QImage normal = Blank(160, 100), mirrored = Blank(160, 100);
        for (QImage* img : {&normal, &mirrored}) {
            CQtSurface dc(*img);
            dc.SelectFont(Font("*", 24, 0, escapement));
            dc.SetBkMode(OPAQUE);
            if (img == &normal)
                dc.TextOut(80, 70, "Tavolin");
            else
                dc.TextOutMirrored(80, 70, "Tavolin");
        }
        PixelSet reflected;
        for (const auto& [x, y] : Ink(normal))
            reflected.insert({2 * 80 - 1 - x, y});
        EXPECT_FALSE(reflected.empty());
        EXPECT_EQ(Ink(mirrored), reflected) << escapement;
    }

    QImage img = Blank(160, 100);
    img.fill(qRgb(0, 200, 0));
    CQtSurface dc(img);
    dc.SelectFont(Font("*", 24));
    dc.TextOutMirrored(80, 30, "Tavolin");
    int black = 0, other = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x) {
            const QRgb c = img.pixel(x, y);
            black += c == qRgb(0, 0, 0);
            other += c != qRgb(0, 0, 0) && c != qRgb(0, 200, 0);
        }
    EXPECT_GT(black, 0);
    EXPECT_EQ(other, 0);
}

TEST(QtFontFaces, Cp1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = DecodeCp1252(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE8], QChar(0x00E8));
    std::string back;
    ASSERT_TRUE(EncodeCp1252(text, back));
    EXPECT_EQ(back, all);
    EXPECT_FALSE(EncodeCp1252(QString::fromUtf8("Mono \xe6\xbc\xa2"), back));
}
