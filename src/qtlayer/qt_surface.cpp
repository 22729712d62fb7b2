#include "qtlayer/qt_surface.h"

#include "model/raster/flatten.h"

#include <QImage>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Figures reaching further than this outside the image are cut down to the
// image's neighbourhood before Qt sees them: Qt's rasteriser works in fixed
// point and slows to a crawl, or overflows, on coordinates near 2^31.
constexpr double kFar = 16384;
constexpr int kWinding = 2; // poly fill mode

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

CRectD ToRectD(const QRectF& r) {
    return {r.left(), r.top(), r.right(), r.bottom()};
}

QPointF ToQPoint(const CPointD& p) {
    return QPointF(p.x, p.y);
}

CBoxShapes& ThreadBoxShapes() {
    static thread_local CBoxShapes t_shapes;
    return t_shapes;
}

} // namespace

CQtSurface::CQtSurface(QImage& image)
    : m_image(image), m_nWidth(image.width()), m_nHeight(image.height()),
      m_bRgb32(image.format() == QImage::Format_RGB32),
      m_imageRect(0, 0, image.width(), image.height()), m_strokeRuns(image.width(), image.height()),
      m_fillRuns(image.width(), image.height()), m_boxShapes(ThreadBoxShapes()),
      m_fonts(RasterFonts()) {
    if (m_image.isNull() || !m_painter.begin(&m_image)) return;
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (m_image.format() == QImage::Format_RGB32 || m_image.format() == QImage::Format_ARGB32) {
        m_pBits = reinterpret_cast<QRgb*>(m_image.bits());
        m_nStride = m_image.bytesPerLine() / 4;
    }
    for (QPen* pen : {&m_strokeRunPen, &m_fillRunPen}) {
        pen->setWidth(0);
        pen->setCosmetic(true);
        pen->setCapStyle(Qt::FlatCap);
    }
}

CQtSurface::~CQtSurface() {
    if (m_painter.isActive()) m_painter.end();
}

CPointD CQtSurface::Device(int x, int y) const {
    const CPoint p = LPtoDP(CPoint{x, y});
    return CPointD{double(p.x), double(p.y)};
}

// Corners are clamped to the box; boxes given with their corners swapped are
// put right, in device space, as a mapping may flip an axis.
CPixelBox CQtSurface::DeviceBox(int l, int t, int r, int b, std::int64_t ew,
                                std::int64_t eh) const {
    return PixelBox(LPtoDP(CPoint{l, t}), LPtoDP(CPoint{r, b}), ew, eh);
}

// Wide enough that nothing drawn on its border, pen included, reaches the image.
CRectD CQtSurface::NearBox() const {
    const double m = DevicePenWidth() + 4;
    return ToRectD(m_imageRect.adjusted(-m, -m, m, m));
}

// Edges included, as for figures.
bool CQtSurface::Reaches(const QRectF& ink) const {
    return Overlaps(ToRectD(ink), ToRectD(m_imageRect));
}

bool CQtSurface::IsNear(const CRectD& bounds) const {
    const QRectF box(QPointF(bounds.l, bounds.t), QPointF(bounds.r, bounds.b));
    return m_imageRect.adjusted(-kFar, -kFar, kFar, kFar).contains(box);
}

// 0 for a pen one device pixel wide, whatever its logical width.
int CQtSurface::DevicePenWidth() const {
    const std::int64_t w =
        m_pen.nWidth <= 0 ? 0 : std::llabs(LPtoDP(CSize{m_pen.nWidth, m_pen.nWidth}).cx);
    if (m_nMinPenPixels > 1 && w < m_nMinPenPixels) return m_nMinPenPixels;
    return w <= 1 ? 0 : int(std::min<std::int64_t>(w, 1 << 16));
}

void CQtSurface::ApplyRop() {
    const auto mode = m_nRop == R2_NOTXORPEN ? QPainter::RasterOp_NotSourceXorDestination
                                             : QPainter::CompositionMode_SourceOver;
    SetMode(mode);
}

void CQtSurface::SetMode(QPainter::CompositionMode mode) {
    if (mode == m_eMode) return;
    m_painter.setCompositionMode(mode);
    m_eMode = mode;
}

const QPen& CQtSurface::WidePen() {
    const PenKey key{m_pen.color, DevicePenWidth(), m_pen.bRound};
    if (key != m_penKey) {
        m_penKey = key;
        m_widePen = QPen(ToQColor(key.color), key.nDevWidth);
        m_widePen.setCapStyle(key.bRound ? Qt::RoundCap : Qt::FlatCap);
        m_widePen.setJoinStyle(key.bRound ? Qt::RoundJoin : Qt::MiterJoin);
    }
    return m_widePen;
}

const QPen& CQtSurface::RunPen(QPen& cache, COLORREF c) {
    const QColor color = ToQColor(c);
    if (cache.color() != color) cache.setColor(color);
    return cache;
}

// Runs are whole pixels already: on a 32-bit image they are written straight
// into its rows (copy or NOTXOR, as Qt would paint them), which costs far less
// than a QPainter call per figure. Other images go through the painter.
bool CQtSurface::WriteRuns(const CRunList& runs, COLORREF c) {
    if (!m_pBits) return false;
    const bool bXor = m_eMode == QPainter::RasterOp_NotSourceXorDestination;
    if (!bXor && m_eMode != QPainter::CompositionMode_SourceOver) return false;
    const QRgb src = ToRgb(c);
    for (const CPixelRun& r : runs.Runs()) {
        QRgb* p = m_pBits + r.y * m_nStride + r.x;
        const qsizetype step = r.bRow ? 1 : m_nStride;
        if (bXor)
            for (int i = 0; i < r.nLength; ++i, p += step)
                *p = ~(src ^ *p) | 0xFF000000u;
        else
            for (int i = 0; i < r.nLength; ++i, p += step)
                *p = src;
    }
    return true;
}

// A thin flat-capped line leaves out its last pixel, so each run's line ends
// one past it.
void CQtSurface::PaintRuns(const CRunList& runs, QPen& pen, COLORREF c) {
    m_lines.clear();
    for (const CPixelRun& r : runs.Runs())
        m_lines.emplace_back(r.x, r.y, r.bRow ? r.x + r.nLength : r.x,
                             r.bRow ? r.y : r.y + r.nLength);
    m_painter.setPen(RunPen(pen, c));
    m_painter.drawLines(m_lines.data(), int(m_lines.size()));
}

void CQtSurface::FlushRuns() {
    if (!m_fillRuns.IsEmpty()) {
        if (!WriteRuns(m_fillRuns, m_brush.color))
            PaintRuns(m_fillRuns, m_fillRunPen, m_brush.color);
        m_fillRuns.Clear();
    }
    if (!m_strokeRuns.IsEmpty()) {
        if (!WriteRuns(m_strokeRuns, m_pen.color))
            PaintRuns(m_strokeRuns, m_strokeRunPen, m_pen.color);
        m_strokeRuns.Clear();
    }
}

void CQtSurface::DrawLine(CPoint from, CPoint to) {
    if (!m_painter.isActive() || m_pen.bNull) return;
    const CPoint a = LPtoDP(from), b = LPtoDP(to);
    if (a == b) return;
    ApplyRop();
    if (DevicePenWidth() > 0) {
        DrawWideLine(CPointD{double(a.x), double(a.y)}, CPointD{double(b.x), double(b.y)});
        return;
    }
    if (m_pBits && m_eMode == QPainter::CompositionMode_SourceOver) {
        WriteLine(a, b);
        return;
    }
    AddLineRuns(m_strokeRuns, a, b);
    FlushRuns();
}

// A thin line's runs written as they are found, the commonest figure of all.
void CQtSurface::WriteLine(CPoint a, CPoint b) {
    const QRgb src = ToRgb(m_pen.color);
    const int w = m_nWidth, h = m_nHeight;
    ForLineRuns(a, b, w, h, [&](bool bRow, std::int64_t at, std::int64_t from, std::int64_t to) {
        if (at < 0 || at >= (bRow ? h : w)) return;
        if (bRow) {
            QRgb* p = m_pBits + at * m_nStride;
            std::fill(p + from, p + to + 1, src);
            return;
        }
        for (QRgb* p = m_pBits + from * m_nStride + at; from <= to; ++from, p += m_nStride)
            *p = src;
    });
}

// A wide pen is centred on the pixel centres a thin line would light.
void CQtSurface::DrawWideLine(CPointD a, CPointD b) {
    const CPointD half{0.5, 0.5};
    a = a + half;
    b = b + half;
    if (!ClipSegment(a, b, NearBox())) return;
    m_painter.setPen(WidePen());
    m_painter.drawLine(QLineF(ToQPoint(a), ToQPoint(b)));
}

void CQtSurface::SetPixel(int x, int y, COLORREF c) {
    if (!m_painter.isActive()) return;
    const CPoint p = LPtoDP(CPoint{x, y});
    if (p.x < 0 || p.y < 0 || p.x >= m_nWidth || p.y >= m_nHeight) return;
    SetMode(QPainter::CompositionMode_SourceOver);
    // An opaque pixel: written straight into a 32-bit image, as the painter would.
    if (m_pBits) {
        m_pBits[p.y * m_nStride + p.x] = ToRgb(c);
        return;
    }
    m_painter.fillRect(QRect(p.x, p.y, 1, 1), ToQColor(c));
}

// Pixels whose centres are inside, as the hit regions have it.
void CQtSurface::FillPolygon(const QPolygonF& poly) {
    if (m_brush.bHollow != m_brushKey.bHollow || m_brush.color != m_brushKey.color) {
        m_brushKey = m_brush;
        m_qbrush = m_brush.bHollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(m_brush.color));
    }
    m_painter.setPen(m_noPen);
    m_painter.setBrush(m_qbrush);
    m_painter.drawPolygon(poly, m_nPolyFillMode == kWinding ? Qt::WindingFill : Qt::OddEvenFill);
}

// The polygon of Polygon() moved by `off`, cut down to NearBox() when far.
QPolygonF CQtSurface::QtPolygon(bool bNear, double off) const {
    std::vector<CPointD> moved;
    const std::vector<CPointD>* pts = &m_devPoints;
    if (off != 0 || !bNear) {
        moved = m_devPoints;
        for (CPointD& p : moved)
            p = p + CPointD{off, off};
        if (!bNear) moved = ClipPolygon(std::move(moved), NearBox());
        pts = &moved;
    }
    QPolygonF poly(qsizetype(pts->size()));
    for (std::size_t i = 0; i < pts->size(); ++i)
        poly[qsizetype(i)] = ToQPoint((*pts)[i]);
    return poly;
}

void CQtSurface::Polygon(const CPoint* pts, int n) {
    if (!m_painter.isActive() || !pts || n < 2) return;
    m_points.resize(std::size_t(n));
    m_devPoints.resize(std::size_t(n));
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        m_points[i] = LPtoDP(pts[i]);
        m_devPoints[i] = CPointD{double(m_points[i].x), double(m_points[i].y)};
    }
    const CRectD bounds = Bounds(m_devPoints.data(), m_devPoints.size());
    if (!Overlaps(bounds, NearBox())) return;
    ApplyRop();
    const bool bNear = IsNear(bounds);
    if (!m_brush.bHollow) FillPolygon(QtPolygon(bNear, 0));
    if (m_pen.bNull) return;
    if (DevicePenWidth() == 0) {
        for (std::size_t i = 0; i < m_points.size(); ++i)
            AddLineRuns(m_strokeRuns, m_points[i], m_points[(i + 1) % m_points.size()]);
        FlushRuns();
        return;
    }
    m_painter.setPen(WidePen());
    m_painter.setBrush(m_noBrush);
    m_painter.drawPolygon(QtPolygon(bNear, 0.5));
}

void CQtSurface::DrawBox(const CPixelBox& box, bool bFill, bool bStroke) {
    if (!m_painter.isActive() || box.l >= box.r || box.t >= box.b) return;
    const CBoxStyle style{bFill && !m_brush.bHollow, bStroke && !m_pen.bNull, DevicePenWidth(),
                          m_pen.bRound};
    if (!style.bFill && !style.bStroke) return;
    ApplyRop();
    if (m_pBits && m_eMode == QPainter::CompositionMode_SourceOver) {
        if (const std::vector<CShapeRun>* shape = m_boxShapes.Get(box, style)) {
            WriteShape(box, *shape);
            return;
        }
    }
    AddBoxRuns(box, style, m_strokeRuns, m_fillRuns);
    FlushRuns();
}

void CQtSurface::WriteShape(const CPixelBox& box, const std::vector<CShapeRun>& shape) {
    const QRgb stroke = ToRgb(m_pen.color);
    const QRgb fill = ToRgb(m_brush.color);
    const std::int64_t w = m_nWidth, h = m_nHeight;
    for (const CShapeRun& r : shape) {
        const std::int64_t y = box.t + r.dy;
        if (y < 0 || y >= h) continue;
        const std::int64_t from = std::max<std::int64_t>(box.l + r.x, 0);
        const std::int64_t to = std::min<std::int64_t>(box.l + r.x + r.n, w);
        if (from < to)
            std::fill(m_pBits + y * m_nStride + from, m_pBits + y * m_nStride + to,
                      r.bStroke ? stroke : fill);
    }
}

void CQtSurface::Ellipse(int l, int t, int r, int b) {
    DrawBox(DeviceBox(l, t, r, b, INT64_MAX, INT64_MAX), true, true);
}

void CQtSurface::EllipseOutline(int l, int t, int r, int b) {
    DrawBox(DeviceBox(l, t, r, b, INT64_MAX, INT64_MAX), false, true);
}

void CQtSurface::Rectangle(int l, int t, int r, int b) {
    DrawBox(DeviceBox(l, t, r, b, 0, 0), true, true);
}

// w and h are the size of the corner ellipse.
void CQtSurface::RoundRect(int l, int t, int r, int b, int w, int h) {
    const CSize corner = LPtoDP(CSize{w, h});
    std::int64_t ew = std::llabs(corner.cx), eh = std::llabs(corner.cy);
    if (ew == 0 || eh == 0) ew = eh = 0;
    DrawBox(DeviceBox(l, t, r, b, ew, eh), true, true);
}

// Thin curves are flattened to whole pixels and drawn as a polyline.
void CQtSurface::PolyBezier(const CPoint pts[4]) {
    if (!m_painter.isActive() || !pts || m_pen.bNull) return;
    const double off = DevicePenWidth() > 0 ? 0.5 : 0.0;
    CPointD p[4];
    for (int i = 0; i < 4; ++i)
        p[i] = Device(pts[i].x, pts[i].y) + CPointD{off, off};
    const CRectD bounds = Bounds(p, 4);
    if (!Overlaps(bounds, NearBox())) return;
    ApplyRop();
    if (off != 0 && IsNear(bounds)) {
        QPainterPath path(ToQPoint(p[0]));
        path.cubicTo(ToQPoint(p[1]), ToQPoint(p[2]), ToQPoint(p[3]));
        m_painter.setPen(WidePen());
        m_painter.setBrush(m_noBrush);
        m_painter.drawPath(path);
        return;
    }
    std::vector<CPointD> line{p[0]};
    FlattenCubic(p, NearBox(), line);
    if (off != 0) {
        StrokeWidePolyline(line);
        return;
    }
    CPoint last(int(std::lround(line[0].x)), int(std::lround(line[0].y)));
    for (std::size_t i = 1; i < line.size(); ++i) {
        const CPoint next(int(std::lround(line[i].x)), int(std::lround(line[i].y)));
        AddLineRuns(m_strokeRuns, last, next);
        last = next;
    }
    FlushRuns();
}

// The parts of `line` inside NearBox(), each unbroken run as one polyline.
void CQtSurface::StrokeWidePolyline(const std::vector<CPointD>& line) {
    m_painter.setPen(WidePen());
    m_painter.setBrush(m_noBrush);
    const CRectD box = NearBox();
    QPolygonF run;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        CPointD a = line[i], b = line[i + 1];
        if (!ClipSegment(a, b, box)) continue;
        if (!run.isEmpty() && run.last() != ToQPoint(a)) {
            m_painter.drawPolyline(run);
            run.clear();
        }
        if (run.isEmpty()) run << ToQPoint(a);
        run << ToQPoint(b);
    }
    if (run.size() > 1) m_painter.drawPolyline(run);
}
