#include "qtlayer/qt_glyph_masks.h"

#include "qtlayer/qt_fontfaces.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// Characters drawn by what surrounds them, left to Qt: controls, which only
// its shaping passes over, and the soft hyphen, shown only where a line breaks.
bool IsContextual(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0) || c.unicode() == 0xAD;
}
} // namespace

// Qt fills the outlines of glyphs from this pixel size on, unless told otherwise.
bool CGlyphMasks::Copies(const QFont& font) {
    constexpr int kLargestCached = 64;
    static const bool s_bDefault = qEnvironmentVariableIsEmpty("QT_MAX_CACHED_GLYPH_SIZE");
    return s_bDefault && font.pixelSize() > 0 && font.pixelSize() < kLargestCached;
}

const CGlyphMasks::Glyph& CGlyphMasks::At(unsigned char c) {
    Glyph& g = m_glyphs[c];
    if (!g.bBuilt) {
        Build(c, g);
        g.bBuilt = true;
    }
    return g;
}

// The character is drawn alone, by Qt, with its pen on a whole pixel in a
// white image wide enough for any overhang; its ink becomes the runs. Aliased
// glyphs do not change with the pen's whole-pixel position.
void CGlyphMasks::Build(unsigned char c, Glyph& g) const {
    const QString s = DecodeCp1252(std::string(1, char(c)));
    if (s.size() != 1 || IsContextual(s[0])) return;
    const double advance = QFontMetricsF(m_font).horizontalAdvance(s[0]) * 64;
    if (advance != std::floor(advance)) return; // not a position Qt keeps
    g.nAdvance = std::int64_t(advance);
    const QFontMetrics m(m_font);
    const int reach = 2 * (m.height() + std::max(m.maxWidth(), 1)) + 8;
    QImage img(2 * reach, 2 * reach, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(m_font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(reach, reach), s);
    }
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width();) {
            if (line[x] == white) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < img.width() && line[x] != white)
                ++x;
            if (y == 0 || y == img.height() - 1 || from == 0 || x == img.width()) {
                g.runs.clear(); // ink reaches the border: the image was too small
                return;
            }
            g.runs.push_back({y - reach, from - reach, x - reach});
        }
    }
    g.bOk = true;
}

bool CGlyphMasks::Draw(QRgb* bits, qsizetype stride, int width, int height, int x, int y,
                       const std::string& text, QRgb color) {
    for (const char c : text)
        if (!At(static_cast<unsigned char>(c)).bOk) return false;
    std::int64_t pen = std::int64_t(x) * 64;
    for (const char c : text) {
        const Glyph& g = m_glyphs[static_cast<unsigned char>(c)];
        const std::int64_t px = pen >> 6; // Qt floors the glyph's position
        pen += g.nAdvance;
        for (const Run& r : g.runs) {
            const std::int64_t row = std::int64_t(y) + r.dy;
            if (row < 0 || row >= height) continue;
            const std::int64_t from = std::max<std::int64_t>(px + r.x0, 0);
            const std::int64_t to = std::min<std::int64_t>(px + r.x1, width);
            if (from < to) std::fill(bits + row * stride + from, bits + row * stride + to, color);
        }
    }
    return true;
}
