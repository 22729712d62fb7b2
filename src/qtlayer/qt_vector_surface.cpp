#include "qtlayer/qt_vector_surface.h"

#include "qtlayer/qt_fontfaces.h"

#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kWinding = 2; // poly fill mode

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Where a text cell may leave ink: its box, grown for overhangs and underline.
QRectF InkBounds(const QTransform& xf, const CQtFont& font, const QString& text) {
    const double h = font.metricsF.height();
    return xf.mapRect(QRectF(-h, -h, font.metricsF.horizontalAdvance(text) + 2 * h, 3 * h));
}

int RoundToInt(double v) {
    constexpr double lim = std::numeric_limits<int>::max();
    return int(std::lround(std::clamp(v, -lim, lim)));
}

} // namespace

CQtVectorSurface::CQtVectorSurface(QPainter& painter, bool bAntialias, double dHairline)
    : m_painter(painter), m_dHairline(std::max(0.0, dHairline)), m_fonts(bAntialias, true) {
    if (!m_painter.isActive()) return;
    m_painter.setRenderHint(QPainter::Antialiasing, bAntialias);
    m_painter.setRenderHint(QPainter::TextAntialiasing, bAntialias);
    const QPaintDevice* device = m_painter.device();
    if (device && device->width() > 0 && device->height() > 0)
        m_deviceRect = m_painter.worldTransform().inverted().mapRect(
            QRectF(0, 0, device->width(), device->height()));
}

QPointF CQtVectorSurface::Device(CPoint p) const {
    const CPoint d = LPtoDP(p);
    return QPointF(d.x + 0.5, d.y + 0.5);
}

// From the centre of the box's first device pixel to that of its last: a pen
// one pixel wide then covers exactly the pixels the raster surface lights.
bool CQtVectorSurface::Box(int l, int t, int r, int b, QRectF& box) const {
    const CPoint p = LPtoDP(CPoint{l, t}), q = LPtoDP(CPoint{r, b});
    const double x0 = std::min(p.x, q.x), x1 = std::max(p.x, q.x);
    const double y0 = std::min(p.y, q.y), y1 = std::max(p.y, q.y);
    if (x0 == x1 || y0 == y1) return false;
    box = QRectF(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 - 0.5, y1 - 0.5));
    return true;
}

// A pen whose device width is one pixel or less is drawn as a hairline.
double CQtVectorSurface::PenWidth() const {
    if (m_pen.nWidth <= 0) return m_dHairline;
    const double w = std::abs(m_pen.nWidth * ScaleX());
    return w <= 1 ? m_dHairline : std::max(w, m_dHairline);
}

QPen CQtVectorSurface::MakePen() const {
    const bool bHairline = m_pen.nWidth <= 0 || std::abs(m_pen.nWidth * ScaleX()) <= 1;
    const bool bRound = bHairline || m_pen.bRound;
    QPen pen(ToQColor(m_pen.color), PenWidth());
    pen.setCosmetic(PenWidth() == 0);
    pen.setCapStyle(bRound ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(bRound ? Qt::RoundJoin : Qt::MiterJoin);
    return pen;
}

bool CQtVectorSurface::IsVisible(const QRectF& bounds) const {
    if (!m_painter.isActive()) return false;
    if (m_deviceRect.isNull()) return true;
    const double m = PenWidth() + 2;
    const QRectF near = m_deviceRect.adjusted(-m, -m, m, m);
    return bounds.left() <= near.right() && bounds.right() >= near.left() &&
           bounds.top() <= near.bottom() && bounds.bottom() >= near.top();
}

void CQtVectorSurface::Paint(const QPainterPath& path, bool bFill, bool bStroke) {
    bFill = bFill && !m_brush.bHollow;
    bStroke = bStroke && !m_pen.bNull;
    if ((!bFill && !bStroke) || !IsVisible(path.controlPointRect())) return;
    if (bStroke)
        m_painter.setPen(MakePen());
    else
        m_painter.setPen(Qt::NoPen);
    if (bFill)
        m_painter.setBrush(ToQColor(m_brush.color));
    else
        m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
}

void CQtVectorSurface::DrawLine(CPoint from, CPoint to) {
    if (LPtoDP(from) == LPtoDP(to)) return;
    QPainterPath path(Device(from));
    path.lineTo(Device(to));
    Paint(path, false, true);
}

void CQtVectorSurface::SetPixel(int x, int y, COLORREF c) {
    const CPoint p = LPtoDP(CPoint{x, y});
    const QRectF pixel(p.x, p.y, 1, 1);
    if (!IsVisible(pixel)) return;
    m_painter.fillRect(pixel, ToQColor(c));
}

void CQtVectorSurface::Polygon(const CPoint* pts, int n) {
    if (!pts || n < 2) return;
    QPolygonF poly(n);
    for (int i = 0; i < n; ++i)
        poly[i] = Device(pts[i]);
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    path.setFillRule(m_nPolyFillMode == kWinding ? Qt::WindingFill : Qt::OddEvenFill);
    Paint(path, true, true);
}

void CQtVectorSurface::DrawBox(int l, int t, int r, int b, BoxShape shape, QSizeF corner,
                               bool bFill) {
    QRectF box;
    if (!Box(l, t, r, b, box)) return;
    QPainterPath path;
    if (shape == BOX_ELLIPSE)
        path.addEllipse(box);
    else if (shape == BOX_ROUND)
        path.addRoundedRect(box, corner.width() / 2, corner.height() / 2);
    else
        path.addRect(box);
    Paint(path, bFill, true);
}

void CQtVectorSurface::Ellipse(int l, int t, int r, int b) {
    DrawBox(l, t, r, b, BOX_ELLIPSE, QSizeF(), true);
}

void CQtVectorSurface::EllipseOutline(int l, int t, int r, int b) {
    DrawBox(l, t, r, b, BOX_ELLIPSE, QSizeF(), false);
}

void CQtVectorSurface::Rectangle(int l, int t, int r, int b) {
    DrawBox(l, t, r, b, BOX_RECT, QSizeF(), true);
}

// w and h are the size of the corner ellipse.
void CQtVectorSurface::RoundRect(int l, int t, int r, int b, int w, int h) {
    const CSize c = LPtoDP(CSize{w, h});
    const double ew = std::abs(double(c.cx)), eh = std::abs(double(c.cy));
    if (ew == 0 || eh == 0)
        DrawBox(l, t, r, b, BOX_RECT, QSizeF(), true);
    else
        DrawBox(l, t, r, b, BOX_ROUND, QSizeF(ew, eh), true);
}

void CQtVectorSurface::PolyBezier(const CPoint pts[4]) {
    if (!pts) return;
    QPainterPath path(Device(pts[0]));
    path.cubicTo(Device(pts[1]), Device(pts[2]), Device(pts[3]));
    Paint(path, false, true);
}

CSize CQtVectorSurface::GetTextExtent(const std::string& text) {
    const CQtFont& font = m_fonts.Get(m_font, *this);
    const double width = font.metricsF.horizontalAdvance(DecodeCp1252(text)) * font.xScale;
    return DPtoLP(CSize{RoundToInt(width), RoundToInt(font.metricsF.height())});
}

CTextMetrics CQtVectorSurface::GetTextMetrics() {
    const CQtFont& font = m_fonts.Get(m_font, *this);
    const QFontMetricsF& m = font.metricsF;
    const CSize size =
        DPtoLP(CSize{RoundToInt(m.averageCharWidth() * font.xScale), RoundToInt(m.height())});
    CTextMetrics tm;
    tm.nHeight = size.cy;
    tm.nAscent = DPtoLP(CSize{0, RoundToInt(m.ascent())}).cy;
    tm.nDescent = tm.nHeight - tm.nAscent;
    tm.nAveCharWidth = size.cx;
    return tm;
}

// `xf` places the cell; the font's width scale goes under it.
void CQtVectorSurface::DrawTextAt(const QTransform& xf, const std::string& text, bool bBackground) {
    if (!m_painter.isActive() || text.empty()) return;
    const CQtFont& font = m_fonts.Get(m_font, *this);
    const QString s = DecodeCp1252(text);
    const QTransform cell = QTransform::fromScale(font.xScale, 1) * xf;
    if (!IsVisible(InkBounds(cell, font, s))) return;
    m_painter.save();
    m_painter.setTransform(cell, true);
    DrawTextCell(m_painter, font, s, m_crText,
                 bBackground && m_nBkMode == OPAQUE ? &m_crBk : nullptr);
    m_painter.restore();
}

void CQtVectorSurface::TextOut(int x, int y, const std::string& text) {
    DrawTextAt(TextTransform(*this, m_font, x, y), text, true);
}

// Reflected about the vertical line through the cell's corner. Only the
// glyphs are drawn: on a raster device the mirrored text is ANDed in, so its
// background never shows.
void CQtVectorSurface::TextOutMirrored(int x, int y, const std::string& text) {
    const double axis = LPtoDP(CPoint{x, y}).x;
    const QTransform mirror(-1, 0, 0, 1, 2 * axis, 0);
    DrawTextAt(TextTransform(*this, m_font, x, y) * mirror, text, false);
}
