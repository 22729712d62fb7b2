// The raster surface, pixel for pixel: where each figure puts its ink; and the
// vector surface against it.
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_vector_surface.h"
#include "support/draw_script.h"

#include "support/core_test.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr COLORREF kInk = RGB(200, 30, 60);
const QRgb kInkRgb = qRgb(200, 30, 60);

using PixelSet = std::set<std::pair<int, int>>;

// The script drawn in ink on white, or on `img` when one is given.
QImage Drawn(const std::string& script, int w = 64, int h = 64, QImage img = QImage()) {
    if (img.isNull()) {
        img = QImage(w, h, QImage::Format_RGB32);
        img.fill(Qt::white);
    }
    CQtSurface dc(img);
    dc.SelectPen(CPen{kInk, 0, false, false});
    Play(dc, script, kInk);
    return img;
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

// The share of a's ink with ink of b at most one pixel away: thin figures may
// step differently and still be the same shape.
double NearShare(const QImage& a, const QImage& b) {
    const PixelSet inkA = Ink(a), inkB = Ink(b);
    int near = 0;
    for (const auto& [x, y] : inkA)
        for (int d = 0; d < 9; ++d)
            if (inkB.count({x + d % 3 - 1, y + d / 3 - 1})) {
                ++near;
                break;
            }
    return inkA.empty() ? 1 : double(near) / inkA.size();
}

} // namespace

// Each figure on a 320 x 320 image, and what must hold: "box l t w h" of its
// ink, "count n" of its pixels, "+x y" inked, "-x y" not.
TEST(QtSurface, FiguresInkTheirPixels) {
    const std::pair<const char*, const char*> cases[] = {
        {"ellipse 20 20 40 30", "box 20 20 20 10"},
        {"line 40 60 40 60", "count 0"},
        {"fill; ellipse 10 10 51 51; nopen; brush 0xffffff; ellipse 24 24 37 37", // a pad
         "box 10 10 41 41 -30 30 +15 30 +45 30 +30 45"},
        {"fill; poly 32 2 50 60 2 22 62 22 14 60", "-32 32 +32 10"},
        {"fill; winding; poly 32 2 50 60 2 22 62 22 14 60", "+32 32"},
        {"iso; wext 2500 2500; vext 500 300; vorg 10 20; line 0 1000 2500 1000",
         "box 10 140 300 1 count 300"},
        {"iso; wext 2500 2500; vext 500 300; round 50; line 1000 1500 1000 2000", // 6 pixels
         "-117 210 +118 210 +123 210 -124 210"},
        // A circle of radius 10^9 whose rightmost point is at x = 31.
        {"line min 10 max 10; line 20 20 min 20; fill; ellipse -1999999968 -999999960 32 "
         "1000000040",
         "+0 10 +300 10 +0 20 +20 20 +29 40 -33 40"},
        {"bezier min min max 0 0 max max min; poly min max max max 0 min; rrect min min max max "
         "max max; round max; line min 0 max 5; font max 0 min; text max max overflow; mirror min "
         "0 "
         "overflow; aniso; wext 1 1; vext 1000 1000; pen 0; rect -max -max max max",
         "count 102400"},
    };
    for (const auto& [script, expected] : cases) {
        const QImage img = Drawn(script, 320, 320);
        std::istringstream in(expected);
        for (std::string what; in >> what;) {
            int a = 0, b = 0, w = 0, h = 0;
            if (what == "box" && in >> a >> b >> w >> h) {
                EXPECT_EQ(InkBox(img), QRect(a, b, w, h)) << script;
            } else if (what == "count" && in >> a) {
                EXPECT_EQ(int(Ink(img).size()), a) << script;
            } else if (in >> b) {
                a = std::stoi(what.substr(1));
                EXPECT_EQ(img.pixel(a, b) != kWhite, what[0] == '+') << script << " at " << what;
            }
        }
    }
}

// In NOTXOR every figure drawn twice restores the image, on either image
// format; a figure touches each pixel once (a filled box shows the same pixels
// as in copy mode, a zigzag every vertex); SetPixel ignores the mode.
TEST(QtSurface, NotXorTouchesEachPixelOnce) {
    for (const std::string figure :
         {"line 60 50 3 7", "round 5; line 5 5 50 30", "ellipse 4 9 57 40", "rrect 3 3 50 40 16 12",
          "pen 5; rect 10 10 40 30", "pen 5; ellipse 10 10 40 30", "bezier 2 60 10 -20 50 90 62 4",
          "winding; poly 32 2 50 60 2 22 62 22 14 60"}) {
        const std::string script = "brush 0xff8000; " + figure;
        // A star's edges cross its fill.
        EXPECT_TRUE(Ink(Drawn("xor; " + script)) == Ink(Drawn(script)) ||
                    figure.find("poly") != std::string::npos)
            << figure;
        for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
            QImage img(64, 64, format);
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x)
                    img.setPixel(x, y, qRgb(x * 4, y * 4, 90));
            const QImage once = Drawn("xor; " + script, 0, 0, img.copy());
            EXPECT_NE(once, img) << figure;
            EXPECT_EQ(Drawn("xor; " + script + "; " + script, 0, 0, img.copy()), img)
                << figure << " " << format;
        }
    }
    const QImage zigzag = Drawn("xor; move 5 5; to 12 40; to 20 8; to 40 50; to 58 6; to 30 3; "
                                "to 5 5; pixel 40 60; pixel 40 60");
    for (const auto& [x, y] : {std::pair{5, 5}, {12, 40}, {20, 8}, {40, 50}, {58, 6}, {30, 3}})
        EXPECT_EQ(zigzag.pixel(x, y), kInkRgb) << x << "," << y;
    EXPECT_EQ(zigzag.pixel(40, 60), kInkRgb);
}

// Both surfaces, the vector one without an active painter as the vector
// exports measure (and then drawing nothing), give fixed-pitch faces whatever
// the name, of the height and average width asked.
TEST(QtSurfaceText, MeasuresFixedPitchFacesByHeightAndWidth) {
    QImage img(8, 8, QImage::Format_RGB32);
    CQtSurface raster(img);
    QPainter idle;
    CQtVectorSurface vector(idle, true, 0);
    for (CSurface* dc : std::initializer_list<CSurface*>{&raster, &vector}) {
        for (const char* face : {"Courier New", "*", "", "No Such Face 123"}) {
            dc->SelectFont(CFontSpec{face, 20});
            const CSize narrow = dc->GetTextExtent("iiiiiiiiii");
            const CTextMetrics tm = dc->GetTextMetrics();
            EXPECT_TRUE(narrow.cy >= 18 && narrow.cy <= 20 && tm.nHeight == narrow.cy) << face;
            EXPECT_EQ(narrow.cx, dc->GetTextExtent("MMMMMMMMMM").cx) << face;
            EXPECT_TRUE(tm.nAscent + tm.nDescent == tm.nHeight && tm.nAscent > tm.nDescent);
        }
        dc->SelectFont(CFontSpec{"*", 40});
        EXPECT_GT(dc->GetTextExtent("ABCDEFGHIJ").cy, 36);
        for (const int width : {4, 9, 15, 30}) {
            dc->SelectFont(CFontSpec{"Courier New", 20, width});
            EXPECT_NEAR(dc->GetTextMetrics().nAveCharWidth, width, 1) << width;
            EXPECT_NEAR(dc->GetTextExtent("ABCDEFGHIJ").cx, 10 * width, 10) << width;
        }
    }
    Play(vector, "line 0 0 50 50; text 0 0 x", kInk);
    const std::vector<std::string> faces = CQtFontFaces().FixedPitchFaces();
    EXPECT_NE(std::find(faces.begin(), faces.end(), "Liberation Mono"), faces.end());
    EXPECT_EQ(std::find(faces.begin(), faces.end(), "Liberation Sans"), faces.end());
}

// Raster text of a face without substitution, positioning or kerning tables
// is drawn without shaping where that gives Qt's shaped pixels: it must, for
// every Windows-1252 character, style and size, upright or turned a quarter.
TEST(QtSurfaceText, UnshapedTextIsTheShapedText) {
    std::string all;
    for (int c = 1; c < 0x100; ++c)
        all += char(c);
    const QString text = DecodeCp1252(all + " fi ffl AV To Wa");
    CQtFonts fonts(false, false);
    const CMapping text1to1;
    for (const int nWeight : {400, 700})
        for (const int px : {3, 5, 8, 13, 21, 40})
            for (const int turn : {0, 90}) {
                const CQtFont& font =
                    fonts.Get(CFontSpec{"Courier New", px, 0, 0, nWeight}, text1to1);
                const auto draw = [&](bool bProgram) {
                    QImage img(px * 150, px * 150, QImage::Format_RGB32);
                    img.fill(Qt::white);
                    QPainter painter(&img);
                    painter.translate(px * 2, px * 2);
                    painter.rotate(-turn);
                    painter.setFont(font.font);
                    for (int row = 0; row < 5; ++row) {
                        const QString part = text.mid(row * 56, 56);
                        painter.translate(0, px * 1.5);
                        if (bProgram)
                            DrawTextCell(painter, font, part, RGB(0, 0, 0), nullptr);
                        else
                            painter.drawText(QPointF(0, font.nAscent), part);
                    }
                    return img;
                };
                EXPECT_TRUE(draw(true) == draw(false)) << px << " px, " << turn << "°";
            }
}

// Glyphs copied from Qt's drawing of each character land where Qt puts them
// in a text: every printable Windows-1252 character, in two weights, upright
// and italic, natural and stretched, turned a quarter either way or by other
// angles, at every size drawn so, cut by the image's edges.
TEST(QtSurfaceText, CopiedGlyphsAreQtsGlyphs) {
    std::string all;
    for (int c = 0x20; c < 0x100; ++c)
        if (c != 0x7F && (c < 0x80 || c >= 0xA0)) all += char(c);
    all += "fi ffl AV To Wa";
    const auto draw = [&](const CFontSpec& asked, bool bProgram) {
        const int cell = asked.nHeight, side = cell * 27;
        QImage img(side, side, QImage::Format_RGB32);
        img.fill(Qt::white);
        const CQtFont font = RasterFonts().Get(asked, CMapping());
        for (int row = 0; row < 6; ++row) {
            const int tx = row == 5 ? -cell * 3 : cell, ty = (row - 1) * cell;
            const int turn = asked.nEscapement;
            const int x = turn == 900 ? ty : turn == 2700 ? side - ty : tx;
            const int y = turn == 900    ? side - tx
                          : turn == 2700 ? tx
                          : turn         ? side * 3 / 4 + ty
                                         : ty;
            const std::string part = all.substr(std::size_t(row) * 40, 40);
            if (bProgram) {
                CQtSurface dc(img);
                dc.SelectFont(asked);
                dc.SetBkMode(TRANSPARENT);
                dc.SetTextColor(kInk);
                dc.TextOut(x, y, part);
                continue;
            }
            QPainter painter(&img);
            painter.setFont(font.font);
            painter.setPen(QColor(kInkRgb));
            painter.setTransform(TextTransform(CMapping(), asked, x, y));
            painter.drawText(QPointF(0, font.nAscent), DecodeCp1252(part));
        }
        return img;
    };
    for (const int nTurn : {0, 900, 2700, 450, 300})
        for (const int nWeight : {400, 700})
            for (const bool bItalic : {false, true})
                for (const int nWidth : {0, 5})
                    for (const int cell : {2, 3, 4, 5, 7, 9, 12, 16, 21, 33, 63}) {
                        const CFontSpec asked{"Courier New", cell, nWidth, nTurn, nWeight, bItalic};
                        EXPECT_TRUE(draw(asked, true) == draw(asked, false))
                            << cell << " px, " << nTurn << ", " << nWeight << ", " << bItalic
                            << ", " << nWidth;
                    }
}

// Text sits in its cell, turns with the escapement, fills an opaque
// background; mirrored it is the reflection of the normal text, its glyphs
// in the text colour only.
TEST(QtSurfaceText, TextSitsInItsCellTurnedOrMirrored) {
    QImage img(8, 8, QImage::Format_RGB32);
    CQtSurface measure(img);
    measure.SelectFont(CFontSpec{"*", 20});
    const CSize e = measure.GetTextExtent("Wg");
    const QImage flat = Drawn("font 20; transparent; text 10 30 Wg", 120, 120);
    EXPECT_TRUE(QRect(10, 30, e.cx, e.cy).contains(InkBox(flat)));
    const QImage turned = Drawn("font 20 0 900; transparent; text 30 100 Wg", 120, 120);
    EXPECT_TRUE(QRect(30, 100 - e.cx, e.cy, e.cx).contains(InkBox(turned)));
    const QImage opaque = Drawn("font 20; bkcolor 0xff0000; text 10 30 Wg", 120, 120);
    EXPECT_EQ(InkBox(opaque), QRect(10, 30, e.cx, e.cy));
    EXPECT_EQ(opaque.pixel(10, 30), qRgb(0, 0, 255));

    for (const std::string escapement : {"0", "900", "300"}) {
        const std::string font = "font 24 0 " + escapement + "; ";
        PixelSet reflected;
        for (const auto& [x, y] : Ink(Drawn(font + "text 80 70 Tavolin", 160, 100)))
            reflected.insert({2 * 80 - 1 - x, y});
        EXPECT_FALSE(reflected.empty());
        EXPECT_EQ(Ink(Drawn(font + "mirror 80 70 Tavolin", 160, 100)), reflected) << escapement;
    }
    QImage green(160, 100, QImage::Format_RGB32);
    green.fill(qRgb(0, 200, 0));
    const QImage mirrored = Drawn("font 24; textcolor 0; mirror 80 30 Tavolin", 0, 0, green);
    std::set<QRgb> colours;
    for (int i = 0; i < 160 * 100; ++i)
        colours.insert(mirrored.pixel(i % 160, i / 160));
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(0, 0, 0), qRgb(0, 200, 0)}));
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

// Each figure through both surfaces, aliased, with pens one pixel wide: the
// same ink box within the tolerance, and for figures (not glyphs) the same ink.
TEST(VectorSurface, DrawsTheRasterSurfacesShapesAndText) {
    for (const std::string figure :
         {"round 7; line 10 10 70 40", "winding; poly 48 4 76 90 4 34 92 34 20 90",
          "ellipse 10 20 80 60", "pen 5; rect 15 15 70 50", "rrect 10 10 90 60 30 20",
          "bezier 5 80 30 0 60 95 90 10", "circle 20 20 76 76", "text 10 30 Wg Tav",
          "font 20 0 900; text 30 90 Wg Tav", "mirror 90 30 Wg Tav"}) {
        const std::string script = "brush 0xff8000; font 20; transparent; " + figure;
        const QImage raster = Drawn(script, 96, 96);
        QImage vector(96, 96, QImage::Format_RGB32);
        vector.fill(Qt::white);
        QPainter painter(&vector);
        CQtVectorSurface dc(painter, false, 1);
        Play(dc, "pen 0; " + script, kInk);
        painter.end();
        const int t = figure.find("Tav") != std::string::npos ? 3 : 1; // glyphs differ in detail
        const QRect r = InkBox(raster), v = InkBox(vector);
        EXPECT_FALSE(r.isEmpty()) << figure;
        EXPECT_TRUE(r.adjusted(-t, -t, t, t).contains(v) && v.adjusted(-t, -t, t, t).contains(r))
            << figure;
        if (t > 1) continue;
        EXPECT_GT(NearShare(raster, vector), 0.98) << figure;
        EXPECT_GT(NearShare(vector, raster), 0.98) << figure;
    }
}
