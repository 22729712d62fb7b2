// The raster surface's text: glyphs drawn by Qt into the image, aliased.
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_surface.h"

#include <QImage>

#include <algorithm>

// Setting the painter's font again costs a font engine lookup in Qt, so an
// unchanged font is left as it is.
void CQtSurface::DrawText(QPainter& painter, const CQtFont& font, const QString& text) {
    const bool bOwn = &painter == &m_painter;
    const unsigned nDrawn = 2 * font.nSerial + (&DrawingFont(font, text) == &font.font);
    const bool bSetFont = !bOwn || nDrawn != m_nPainterFont;
    if (bOwn) m_nPainterFont = nDrawn;
    DrawTextCell(painter, font, text, m_crText, m_nBkMode == OPAQUE ? &m_crBk : nullptr, bSetFont);
}

CSize CQtSurface::GetTextExtent(const std::string& text) {
    const CQtFont& font = CurrentFont();
    const int width = TextAdvance(font, DecodeCp1252(text));
    return DPtoLP(CSize{width, font.nHeight});
}

CTextMetrics CQtSurface::GetTextMetrics() {
    const CQtFont& f = CurrentFont();
    const CSize size = DPtoLP(CSize{f.nAveWidth, f.nHeight});
    CTextMetrics tm;
    tm.nHeight = size.cy;
    tm.nAscent = DPtoLP(CSize{0, f.nAscent}).cy;
    tm.nDescent = tm.nHeight - tm.nAscent;
    tm.nAveCharWidth = size.cx;
    return tm;
}

namespace {
// Where a text cell may leave ink: its box, grown for overhangs and underline.
QRectF InkBounds(const QTransform& xf, const CQtFont& f, const QString& text) {
    const double h = f.nHeight;
    return xf.mapRect(QRectF(-h, -h, f.metrics.horizontalAdvance(text) + 2 * h, 3 * h));
}

// The same box without shaping the text: no glyph is wider than twice the
// font's widest, so a text far off the image is passed over cheaply.
QRectF RoughInkBounds(const QTransform& xf, const CQtFont& f, const QString& text) {
    const double h = f.nHeight;
    const double w = double(text.size()) * 2.0 * std::max(f.nMaxWidth, f.nAveWidth);
    return xf.mapRect(QRectF(-h, -h, w + 2 * h, 3 * h));
}
} // namespace

// Copied glyphs need the pixels at hand, no clipping and no background; a
// mirrored text is ANDed in, which only an opaque image shows alike.
bool CQtSurface::CopiesGlyphs(const CQtFont& font, bool bMirror) const {
    return font.pMasks && m_pBits && m_nBkMode != OPAQUE && !m_painter.hasClipping() &&
           (!bMirror || m_bRgb32);
}

// Text ignores the raster operation, as on a device context.
void CQtSurface::TextOut(int x, int y, const std::string& text) {
    if (!m_painter.isActive() || text.empty()) return;
    const CQtFont& font = CurrentFont();
    if (CopiesGlyphs(font, false)) {
        const CPoint p = LPtoDP(CPoint{x, y});
        const CGlyphMasks::CTarget target{m_pBits, m_nStride, m_nWidth, m_nHeight};
        if (font.pMasks->Draw(target, p.x, p.y, m_font.nEscapement, text, ToRgb(m_crText))) return;
    }
    const QString s = DecodeCp1252(text);
    const QTransform xf = TextTransform(*this, m_font, x, y);
    if (!Reaches(RoughInkBounds(xf, font, s))) return;
    SetMode(QPainter::CompositionMode_SourceOver);
    m_painter.setTransform(xf);
    DrawText(m_painter, font, s);
    m_painter.resetTransform();
}

// The text is drawn as TextOut would into a white scratch image covering the
// part whose reflection lands on the target; the image is flipped and ANDed
// in. Pixel column c of the text goes to column 2 * x - 1 - c.
void CQtSurface::TextOutMirrored(int x, int y, const std::string& text) {
    if (!m_painter.isActive() || text.empty()) return;
    const CQtFont& font = CurrentFont();
    const CPoint p = LPtoDP(CPoint{x, y});
    const std::int64_t axis = p.x;
    if (CopiesGlyphs(font, true)) {
        const CGlyphMasks::CTarget target{m_pBits, m_nStride, m_nWidth, m_nHeight, true, axis};
        if (font.pMasks->Draw(target, p.x, p.y, m_font.nEscapement, text, ToRgb(m_crText))) return;
    }
    const QString s = DecodeCp1252(text);
    const QTransform xf = TextTransform(*this, m_font, x, y);
    const QRectF ink = InkBounds(xf, font, s);
    const QRectF reflected(QPointF(2.0 * axis - ink.right(), ink.top()), ink.size());
    if (!Reaches(reflected)) return;
    const double w = m_nWidth, h = m_nHeight;
    const QRect area = (ink & QRectF(2.0 * axis - w, 0, w, h)).toAlignedRect();
    if (area.isEmpty()) return;
    QImage scratch(area.size(), QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setTransform(xf * QTransform::fromTranslate(-area.left(), -area.top()));
        DrawText(painter, font, s);
    }
    SetMode(QPainter::RasterOp_SourceAndDestination);
    const int left = int(2 * axis - area.left() - area.width());
    m_painter.drawImage(QPoint(left, area.top()), scratch.mirrored(true, false));
}
