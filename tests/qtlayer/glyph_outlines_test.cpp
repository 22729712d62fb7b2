// Glyph outlines lie where the window draws the text, turned and mirrored alike.
#include "qtlayer/qt_glyph_outlines.h"
#include "qtlayer/qt_surface.h"
#include "support/core_test.h"

#include <QImage>

namespace {
QRect InkBox(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != 0xffffffff) box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

TEST(GlyphOutlines, FollowTheTextAsTheWindowDrawsIt) {
    const struct {
        int nAngle;
        std::uint32_t nStyle;
        int nWidth;
    } kCases[] = {{0, 0, 0}, {90, 0, 0}, {0, STYLE_MIRRORED, 0}, {30, STYLE_BOLD, 0}, {0, 0, 30}};
    CQtGlyphOutlines glyphs;
    for (const auto& c : kCases) {
        CExtendedText text(100, 100, "Hg8");
        text.m_nHeight = 40, text.m_nWidth = c.nWidth, text.m_nAngle = c.nAngle,
        text.m_nStyle = c.nStyle;
        text.RebuildFont(100);
        QImage img(200, 200, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            CQtSurface dc(img);
            text.Draw(dc, false, RGB(255, 255, 255), 0, 0, 100, -1, false);
        }
        const QRect drawn = InkBox(img);
        double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
        std::size_t n = 0;
        for (const auto& contour : glyphs.Outlines(text))
            for (const CPointD& p : contour) {
                l = std::min(l, p.x), r = std::max(r, p.x), t = std::min(t, p.y),
                b = std::max(b, p.y), ++n;
            }
        ASSERT_GT(n, 12u) << c.nAngle;
        // Pixel edges against ink pixels: within two pixels, hinting aside.
        EXPECT_NEAR(l, drawn.left(), 2) << c.nAngle << " " << c.nStyle;
        EXPECT_NEAR(r, drawn.right() + 1, 2) << c.nAngle << " " << c.nStyle;
        EXPECT_NEAR(t, drawn.top(), 2) << c.nAngle << " " << c.nStyle;
        EXPECT_NEAR(b, drawn.bottom() + 1, 2) << c.nAngle << " " << c.nStyle;
    }
}
