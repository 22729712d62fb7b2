#include "qtlayer/qt_glyph_masks.h"

#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_fonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {
// Characters drawn by what surrounds them, left to Qt: those only its shaping
// passes over, and the soft hyphen, shown only where a line breaks.
bool IsContextual(QChar c) {
    return IsShapedOnly(c) || c.unicode() == 0xAD;
}

// The quarter turns of the text transform, 0 to 3 counter-clockwise, where
// Qt's rotation is exact; -1 for other angles (half a turn among them).
int QuarterTurn(int nEscapement) {
    if (nEscapement % 3600 == 0) return 0; // the transform turns not at all
    switch (nEscapement) {
    case 900:
    case -2700:
        return 1;
    case 2700:
    case -900:
        return 3;
    default:
        return -1;
    }
}

// The text transform with its cell's corner at (x, y), as the surface makes it.
QTransform CellTransform(double x, double y, int nEscapement) {
    QTransform t;
    t.translate(x, y);
    if (nEscapement % 3600 != 0) t.rotate(-(nEscapement / 10.0));
    return t;
}

// Device steps of the text's x and y axes for a turn.
struct CAxes {
    int xx, xy, yx, yy;
};
CAxes AxesOf(int nTurn) {
    switch (nTurn) {
    case 1:
        return {0, -1, 1, 0};
    case 3:
        return {0, 1, -1, 0};
    default:
        return {1, 0, 0, 1};
    }
}

std::int64_t Floor64(std::int64_t v) {
    return v >> 6;
}

// The pixel of a glyph whose pen lies xpos 64ths along the baseline of
// `baseline` (the cell's transform moved down by the ascent): Qt maps the
// pen, truncates it to 64ths, floors it across and rounds it down the page.
QPoint GlyphPixel(const QTransform& baseline, std::int64_t xpos) {
    const QPointF p = baseline.map(QPointF(double(xpos) / 64, 0));
    const auto x = std::int64_t(p.x() * 64), y = std::int64_t(p.y() * 64);
    return QPoint(int(Floor64(x)), int(Floor64(y + 32)));
}
} // namespace

// The scratch image reaches a cell and a widest glyph beyond the pen each way.
CGlyphMasks::CGlyphMasks(const QFont& font) : m_font(font) {
    const QFontMetrics m(font);
    m_nAscent = m.ascent();
    m_nReach = m.height() + std::max(m.maxWidth(), 1) + 4;
}

// Qt fills the outlines of glyphs from this pixel size on, unless told otherwise.
bool CGlyphMasks::Copies(const QFont& font) {
    constexpr int kLargestCached = 64;
    static const bool s_bDefault = qEnvironmentVariableIsEmpty("QT_MAX_CACHED_GLYPH_SIZE");
    return s_bDefault && font.pixelSize() > 0 && font.pixelSize() < kLargestCached;
}

const CGlyphMasks::Glyph& CGlyphMasks::At(Glyphs& glyphs, int nEscapement, unsigned char c) const {
    Glyph& g = glyphs[c];
    if (!g.bBuilt) {
        Build(nEscapement, c, g);
        g.bBuilt = true;
    }
    return g;
}

// The character is drawn alone, by Qt, with its pen on a whole pixel in a
// white image wide enough for any overhang; its ink becomes the runs. Aliased
// glyphs do not change with the pen's whole-pixel position.
void CGlyphMasks::Build(int nEscapement, unsigned char c, Glyph& g) const {
    const QString s = DecodeCp1252(std::string(1, char(c)));
    if (s.size() != 1 || IsContextual(s[0])) return;
    const double advance = QFontMetricsF(m_font).horizontalAdvance(s[0]) * 64;
    if (advance != std::floor(advance)) return; // not a position Qt keeps
    g.nAdvance = std::int64_t(advance);
    QImage img(2 * m_nReach, 2 * m_nReach, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(m_font);
        painter.setPen(Qt::black);
        painter.setTransform(CellTransform(m_nReach, m_nReach, nEscapement));
        painter.drawText(QPointF(0, m_nAscent), s);
    }
    QTransform baseline = CellTransform(m_nReach, m_nReach, nEscapement);
    baseline.translate(0, m_nAscent);
    const QPoint pen = GlyphPixel(baseline, 0);
    const int penX = pen.x(), penY = pen.y();
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
            g.runs.push_back({y - penY, from - penX, x - penX});
        }
    }
    g.bOk = true;
}

// Pixels from..to - 1 of a row, before reflection.
void CGlyphMasks::Write(const CTarget& t, std::int64_t row, std::int64_t from, std::int64_t to,
                        QRgb color) {
    if (row < 0 || row >= t.height) return;
    if (t.bMirror) {
        const std::int64_t lo = 2 * t.axis - to;
        to = 2 * t.axis - from;
        from = lo;
    }
    from = std::max<std::int64_t>(from, 0);
    to = std::min<std::int64_t>(to, t.width);
    QRgb* line = t.bits + row * t.stride;
    if (!t.bMirror) {
        if (from < to) std::fill(line + from, line + to, color);
        return;
    }
    for (std::int64_t x = from; x < to; ++x)
        line[x] &= color;
}

CGlyphMasks::Glyphs& CGlyphMasks::SetFor(int nEscapement) {
    const int nTurn = QuarterTurn(nEscapement);
    if (nTurn >= 0) {
        auto& set = m_turns[std::size_t(nTurn)];
        if (!set) set = std::make_unique<Glyphs>();
        return *set;
    }
    for (auto& [n, set] : m_angled)
        if (n == nEscapement) return *set;
    if (m_angled.size() >= kMaxAngles) m_angled.clear();
    m_angled.emplace_back(nEscapement, std::make_unique<Glyphs>());
    return *m_angled.back().second;
}

bool CGlyphMasks::Draw(const CTarget& target, int x, int y, int nEscapement,
                       const std::string& text, QRgb color) {
    const int nTurn = QuarterTurn(nEscapement);
    // Quarter turns are built as upright or exact quarter turns.
    const int nBuilt = nTurn == 0 ? 0 : nTurn == 1 ? 900 : nTurn == 3 ? 2700 : nEscapement;
    Glyphs& glyphs = SetFor(nEscapement);
    for (const char c : text)
        if (!At(glyphs, nBuilt, static_cast<unsigned char>(c)).bOk) return false;
    if (nTurn < 0) {
        QTransform baseline = CellTransform(x, y, nEscapement);
        baseline.translate(0, m_nAscent);
        std::int64_t xpos = 0;
        for (const char c : text) {
            const Glyph& g = glyphs[static_cast<unsigned char>(c)];
            const QPoint p = GlyphPixel(baseline, xpos);
            xpos += g.nAdvance;
            for (const Run& r : g.runs)
                Write(target, p.y() + r.dy, p.x() + r.x0, p.x() + r.x1, color);
        }
        return true;
    }
    const CAxes a = AxesOf(nTurn);
    // The same pixels as GlyphPixel, in whole numbers: these turns are exact.
    std::int64_t penX = (std::int64_t(x) + a.yx * m_nAscent) * 64;
    std::int64_t penY = (std::int64_t(y) + a.yy * m_nAscent) * 64;
    for (const char c : text) {
        const Glyph& g = glyphs[static_cast<unsigned char>(c)];
        const std::int64_t px = Floor64(penX), py = Floor64(penY + 32);
        penX += a.xx * g.nAdvance;
        penY += a.xy * g.nAdvance;
        for (const Run& r : g.runs)
            Write(target, py + r.dy, px + r.x0, px + r.x1, color);
    }
    return true;
}
