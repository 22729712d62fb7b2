#include "qtlayer/qt_surface.h"

#include "qtlayer/qt_fontfaces.h"

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
// How closely flattened curves follow the true ones, in device pixels.
constexpr double kTolerance = 0.2;
constexpr int kWinding = 2; // poly fill mode

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Closed intervals, so that a horizontal or vertical segment's zero-height box counts.
bool Overlaps(const QRectF& a, const QRectF& b) {
    return a.left() <= b.right() && a.right() >= b.left() && a.top() <= b.bottom() &&
           a.bottom() >= b.top();
}

QRectF Bounds(const QPointF* p, qsizetype n) {
    double l = p[0].x(), r = l, t = p[0].y(), b = t;
    for (qsizetype i = 1; i < n; ++i) {
        l = std::min(l, p[i].x());
        r = std::max(r, p[i].x());
        t = std::min(t, p[i].y());
        b = std::max(b, p[i].y());
    }
    return QRectF(QPointF(l, t), QPointF(r, b));
}

// Liang-Barsky; false when nothing of the segment is inside.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box) {
    const QPointF d = b - a;
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                         box.bottom() - a.y()};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF a0 = a;
    if (t1 < 1) b = a0 + d * t1;
    if (t0 > 0) a = a0 + d * t0;
    return true;
}

// One Sutherland-Hodgman pass against the half-plane sign * (coord - v) >= 0.
// Clipping by half-planes keeps the winding number of every point inside, so
// both fill rules still give the same interior.
QPolygonF ClipHalfPlane(const QPolygonF& in, bool bX, double v, double sign) {
    auto coord = [bX](const QPointF& p) { return bX ? p.x() : p.y(); };
    QPolygonF out;
    out.reserve(in.size() + 4);
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QPointF& p = in[i];
        const QPointF& q = in[(i + 1) % in.size()];
        const bool pIn = sign * (coord(p) - v) >= 0, qIn = sign * (coord(q) - v) >= 0;
        if (pIn) out << p;
        if (pIn != qIn) {
            QPointF x = p + (q - p) * ((v - coord(p)) / (coord(q) - coord(p)));
            (bX ? x.rx() : x.ry()) = v;
            out << x;
        }
    }
    return out;
}

QPolygonF ClipPolygon(QPolygonF poly, const QRectF& box) {
    poly = ClipHalfPlane(poly, true, box.left(), 1);
    poly = ClipHalfPlane(poly, true, box.right(), -1);
    poly = ClipHalfPlane(poly, false, box.top(), 1);
    return ClipHalfPlane(poly, false, box.bottom(), -1);
}

bool IsFlat(const QPointF p[4]) {
    const QPointF d = p[3] - p[0];
    const double len = std::hypot(d.x(), d.y());
    for (int i = 1; i <= 2; ++i) {
        const QPointF v = p[i] - p[0];
        if (len == 0) {
            if (std::hypot(v.x(), v.y()) > kTolerance) return false;
            continue;
        }
        const double along = (v.x() * d.x() + v.y() * d.y()) / len;
        const double across = std::abs(v.x() * d.y() - v.y() * d.x()) / len;
        if (across > kTolerance || along < -kTolerance || along > len + kTolerance) return false;
    }
    return true;
}

// Appends the curve after p[0] as a polyline. Parts whose control points lie
// wholly outside `box` are not subdivided, so a curve of any size costs only
// what its visible part needs.
void FlattenCubic(const QPointF p[4], const QRectF& box, int depth, QPolygonF& out) {
    if (depth == 0 || !Overlaps(Bounds(p, 4), box) || IsFlat(p)) {
        out << p[3];
        return;
    }
    const QPointF a = (p[0] + p[1]) / 2, b = (p[1] + p[2]) / 2, c = (p[2] + p[3]) / 2;
    const QPointF ab = (a + b) / 2, bc = (b + c) / 2, m = (ab + bc) / 2;
    const QPointF first[4] = {p[0], a, ab, m}, second[4] = {m, bc, c, p[3]};
    FlattenCubic(first, box, depth - 1, out);
    FlattenCubic(second, box, depth - 1, out);
}

std::int64_t FloorDiv(__int128 n, std::int64_t d) { // d > 0
    __int128 q = n / d;
    if (n % d != 0 && n < 0) --q;
    return std::int64_t(q);
}

struct Span {
    std::int64_t lo, hi;
};
constexpr Span kNoSpan{std::int64_t(1) << 62, -(std::int64_t(1) << 62)};

// Pixels left out at each end of row e of an ellipse ew x eh pixels in size: a
// pixel is in when its centre is inside. The middle rows always span the full
// width and every row keeps its middle pixels, so that very flat or very
// narrow ellipses still reach all four sides of their box.
std::int64_t EllipseInset(std::int64_t ew, std::int64_t eh, std::int64_t e) {
    const std::int64_t off = std::llabs(2 * e + 1 - eh);
    if (off <= 1) return 0;
    const double d = double(off) / double(eh);
    const auto k = std::int64_t(std::floor(double(ew) * std::sqrt(1 - d * d)));
    const std::int64_t n = ew - 1 - k;
    return n <= 0 ? 0 : std::min((n + 1) / 2, (ew - 1) / 2);
}

Span RowSpan(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b, std::int64_t ew,
             std::int64_t eh, std::int64_t y) {
    if (y < t || y >= b || l >= r) return kNoSpan;
    const std::int64_t j = y - t, fromBottom = b - 1 - y;
    std::int64_t inset = 0;
    if (2 * j < eh)
        inset = EllipseInset(ew, eh, j);
    else if (2 * fromBottom < eh)
        inset = EllipseInset(ew, eh, fromBottom);
    return Span{l + inset, r - 1 - inset};
}

} // namespace

CQtSurface::CQtSurface(QImage& image)
    : m_image(image), m_imageRect(0, 0, image.width(), image.height()) {
    if (m_image.isNull() || !m_painter.begin(&m_image)) return;
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (QPen* pen : {&m_strokeRunPen, &m_fillRunPen}) {
        pen->setWidth(0);
        pen->setCosmetic(true);
        pen->setCapStyle(Qt::FlatCap);
    }
}

CQtSurface::~CQtSurface() {
    if (m_painter.isActive()) m_painter.end();
}

QPointF CQtSurface::Device(int x, int y) const {
    const CPoint p = LPtoDP(CPoint{x, y});
    return QPointF(p.x, p.y);
}

// Corners are clamped to the box; boxes given with their corners swapped are
// put right, in device space, as a mapping may flip an axis.
CQtSurface::PixelBox CQtSurface::DeviceBox(int l, int t, int r, int b, std::int64_t ew,
                                           std::int64_t eh) const {
    const CPoint p = LPtoDP(CPoint{l, t}), q = LPtoDP(CPoint{r, b});
    PixelBox box{
        std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y), 0, 0};
    box.ew = std::clamp<std::int64_t>(ew, 0, box.r - box.l);
    box.eh = std::clamp<std::int64_t>(eh, 0, box.b - box.t);
    return box;
}

// Wide enough that nothing drawn on its border, pen included, reaches the image.
QRectF CQtSurface::NearBox() const {
    const double m = DevicePenWidth() + 4;
    return m_imageRect.adjusted(-m, -m, m, m);
}

bool CQtSurface::IsNear(const QRectF& bounds) const {
    return m_imageRect.adjusted(-kFar, -kFar, kFar, kFar).contains(bounds);
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
    if (m_painter.compositionMode() != mode) m_painter.setCompositionMode(mode);
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

// A run covers pixels from..to along a row (at = y) or a column (at = x); the
// parts off the image are dropped here, so Qt only sees small coordinates.
void CQtSurface::AddRun(Runs& runs, bool bRow, std::int64_t at, std::int64_t from,
                        std::int64_t to) {
    const std::int64_t across = bRow ? m_image.height() : m_image.width();
    const std::int64_t along = bRow ? m_image.width() : m_image.height();
    from = std::max<std::int64_t>(from, 0);
    to = std::min<std::int64_t>(to, along - 1);
    if (at < 0 || at >= across || from > to) return;
    // A thin flat-capped line leaves out its last pixel.
    if (bRow)
        runs.emplace_back(int(from), int(at), int(to + 1), int(at));
    else
        runs.emplace_back(int(at), int(from), int(at), int(to + 1));
}

// The pixels lo..hi of row y that are not in holeLo..holeHi.
void CQtSurface::AddSpan(Runs& runs, std::int64_t y, std::int64_t lo, std::int64_t hi,
                         std::int64_t holeLo, std::int64_t holeHi) {
    if (holeLo > holeHi) {
        AddRun(runs, true, y, lo, hi);
        return;
    }
    AddRun(runs, true, y, lo, std::min(hi, holeLo - 1));
    AddRun(runs, true, y, std::max(lo, holeHi + 1), hi);
}

// Runs are whole pixels already: on a 32-bit image they are written straight
// into its rows (copy or NOTXOR, as Qt would paint them), which costs far less
// than a QPainter call per figure. Other images go through the painter.
bool CQtSurface::WriteRuns(const Runs& runs, COLORREF c) {
    if (m_image.format() != QImage::Format_RGB32 && m_image.format() != QImage::Format_ARGB32)
        return false;
    const auto mode = m_painter.compositionMode();
    const bool bXor = mode == QPainter::RasterOp_NotSourceXorDestination;
    if (!bXor && mode != QPainter::CompositionMode_SourceOver) return false;
    const QRgb src = ToQColor(c).rgba();
    const qsizetype stride = m_image.bytesPerLine() / 4;
    QRgb* bits = reinterpret_cast<QRgb*>(m_image.bits());
    for (const QLine& r : runs) {
        const bool bRow = r.y1() == r.y2();
        const int n = bRow ? r.x2() - r.x1() : r.y2() - r.y1();
        QRgb* p = bits + r.y1() * stride + r.x1();
        const qsizetype step = bRow ? 1 : stride;
        for (int i = 0; i < n; ++i, p += step)
            *p = bXor ? (~(src ^ *p) | 0xFF000000u) : src;
    }
    return true;
}

void CQtSurface::FlushRuns() {
    if (!m_fillRuns.empty()) {
        if (!WriteRuns(m_fillRuns, m_brush.color)) {
            m_painter.setPen(RunPen(m_fillRunPen, m_brush.color));
            m_painter.drawLines(m_fillRuns.data(), int(m_fillRuns.size()));
        }
        m_fillRuns.clear();
    }
    if (!m_strokeRuns.empty()) {
        if (!WriteRuns(m_strokeRuns, m_pen.color)) {
            m_painter.setPen(RunPen(m_strokeRunPen, m_pen.color));
            m_painter.drawLines(m_strokeRuns.data(), int(m_strokeRuns.size()));
        }
        m_strokeRuns.clear();
    }
}

// The pixels of the segment from a to b, b left out, as runs along its major
// axis. The minor coordinate is rounded from the end with the lower major
// coordinate whichever way the line goes, so a line and its reverse differ
// only in the end left out. Only the part over the image is walked.
void CQtSurface::AddLine(CPoint a, CPoint b) {
    const std::int64_t dx = std::int64_t(b.x) - a.x, dy = std::int64_t(b.y) - a.y;
    if (dx == 0 && dy == 0) return;
    const bool bRow = std::llabs(dx) >= std::llabs(dy);
    std::int64_t u0 = bRow ? a.x : a.y, v0 = bRow ? a.y : a.x;
    std::int64_t u1 = bRow ? b.x : b.y, v1 = bRow ? b.y : b.x;
    std::int64_t first = u0, last = u1 - 1;
    if (u1 < u0) {
        std::swap(u0, u1);
        std::swap(v0, v1);
        first = u0 + 1;
        last = u1;
    }
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, (bRow ? m_image.width() : m_image.height()) - 1);
    if (first > last) return;
    const std::int64_t du2 = 2 * (u1 - u0), dv2 = 2 * (v1 - v0);
    // v(u) = v0 + floor(((u - u0) * dv2 + du) / du2), stepped by its remainder.
    const __int128 num = __int128(first - u0) * dv2 + du2 / 2;
    std::int64_t v = v0 + FloorDiv(num, du2);
    std::int64_t rem = std::int64_t(num - __int128(v - v0) * du2), start = first;
    for (std::int64_t u = first + 1; u <= last; ++u) {
        rem += dv2;
        const std::int64_t step = rem >= du2 ? 1 : rem < 0 ? -1 : 0;
        if (step == 0) continue;
        rem -= step * du2;
        AddRun(m_strokeRuns, bRow, v, start, u - 1);
        v += step;
        start = u;
    }
    AddRun(m_strokeRuns, bRow, v, start, last);
}

void CQtSurface::DrawLine(CPoint from, CPoint to) {
    if (!m_painter.isActive() || m_pen.bNull) return;
    const CPoint a = LPtoDP(from), b = LPtoDP(to);
    if (a == b) return;
    ApplyRop();
    if (DevicePenWidth() > 0) {
        DrawWideLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
        return;
    }
    AddLine(a, b);
    FlushRuns();
}

// A wide pen is centred on the pixel centres a thin line would light.
void CQtSurface::DrawWideLine(QPointF a, QPointF b) {
    const QPointF half(0.5, 0.5);
    a += half;
    b += half;
    if (!ClipSegment(a, b, NearBox())) return;
    m_painter.setPen(WidePen());
    m_painter.drawLine(QLineF(a, b));
}

void CQtSurface::SetPixel(int x, int y, COLORREF c) {
    if (!m_painter.isActive()) return;
    const CPoint p = LPtoDP(CPoint{x, y});
    if (p.x < 0 || p.y < 0 || p.x >= m_image.width() || p.y >= m_image.height()) return;
    if (m_painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
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

void CQtSurface::Polygon(const CPoint* pts, int n) {
    if (!m_painter.isActive() || !pts || n < 2) return;
    m_points.resize(std::size_t(n));
    QPolygonF poly(n);
    for (int i = 0; i < n; ++i) {
        m_points[std::size_t(i)] = LPtoDP(pts[i]);
        poly[i] = QPointF(m_points[std::size_t(i)].x, m_points[std::size_t(i)].y);
    }
    const QRectF bounds = Bounds(poly.constData(), n);
    if (!Overlaps(bounds, NearBox())) return;
    ApplyRop();
    const bool bNear = IsNear(bounds);
    if (!m_brush.bHollow) FillPolygon(bNear ? poly : ClipPolygon(poly, NearBox()));
    if (m_pen.bNull) return;
    if (DevicePenWidth() == 0) {
        for (std::size_t i = 0; i < m_points.size(); ++i)
            AddLine(m_points[i], m_points[(i + 1) % m_points.size()]);
        FlushRuns();
        return;
    }
    poly.translate(0.5, 0.5);
    m_painter.setPen(WidePen());
    m_painter.setBrush(m_noBrush);
    m_painter.drawPolygon(bNear ? poly : ClipPolygon(poly, NearBox()));
}

// Boxes are drawn row by row from exact spans, visiting only the rows on the
// image, so their size does not matter. A pen's pixels and a brush's never
// overlap: in NOTXOR every pixel is changed once.
void CQtSurface::DrawBox(const PixelBox& box, bool bFill, bool bStroke) {
    if (!m_painter.isActive() || box.l >= box.r || box.t >= box.b) return;
    bFill = bFill && !m_brush.bHollow;
    bStroke = bStroke && !m_pen.bNull;
    if (!bFill && !bStroke) return;
    ApplyRop();
    if (bStroke && DevicePenWidth() > 0)
        DrawWideBox(box, bFill);
    else
        DrawThinBox(box, bFill, bStroke);
    FlushRuns();
}

// The outline is the pixels of the box with a neighbour outside it.
void CQtSurface::DrawThinBox(const PixelBox& box, bool bFill, bool bStroke) {
    const std::int64_t top = std::max<std::int64_t>(box.t, 0);
    const std::int64_t bottom = std::min<std::int64_t>(box.b, m_image.height());
    auto row = [&box](std::int64_t y) {
        return RowSpan(box.l, box.t, box.r, box.b, box.ew, box.eh, y);
    };
    Span prev = row(top - 1), cur = row(top);
    for (std::int64_t y = top; y < bottom; ++y) {
        const Span next = row(y + 1);
        const Span inner{std::max({cur.lo + 1, prev.lo, next.lo}),
                         std::min({cur.hi - 1, prev.hi, next.hi})};
        if (bStroke) AddSpan(m_strokeRuns, y, cur.lo, cur.hi, inner.lo, inner.hi);
        if (bFill && bStroke)
            AddRun(m_fillRuns, true, y, inner.lo, inner.hi);
        else if (bFill)
            AddRun(m_fillRuns, true, y, cur.lo, cur.hi);
        prev = cur;
        cur = next;
    }
}

// A wide outline is the ring between the box grown and shrunk about the line
// through its outermost pixel centres; the brush fills what is inside.
void CQtSurface::DrawWideBox(const PixelBox& box, bool bFill) {
    const std::int64_t w = DevicePenWidth(), lo = w / 2, hi = (w - 1) / 2;
    const bool bEllipse = box.ew == box.r - box.l && box.eh == box.b - box.t;
    auto resized = [&box, bEllipse](std::int64_t grow, std::int64_t growHi) {
        PixelBox b{box.l - grow, box.t - grow, box.r + growHi, box.b + growHi, 0, 0};
        const std::int64_t cx = b.r - b.l, cy = b.b - b.t, d = grow + growHi;
        b.ew = bEllipse ? cx : box.ew == 0 ? 0 : std::clamp<std::int64_t>(box.ew + d, 0, cx);
        b.eh = bEllipse ? cy : box.eh == 0 ? 0 : std::clamp<std::int64_t>(box.eh + d, 0, cy);
        return b;
    };
    PixelBox outer = resized(lo, hi);
    if (m_pen.bRound && box.ew == 0) outer.ew = outer.eh = lo + hi; // round joins
    const PixelBox inner = resized(lo - w, hi - w);
    const std::int64_t top = std::max<std::int64_t>(outer.t, 0);
    const std::int64_t bottom = std::min<std::int64_t>(outer.b, m_image.height());
    for (std::int64_t y = top; y < bottom; ++y) {
        const Span o = RowSpan(outer.l, outer.t, outer.r, outer.b, outer.ew, outer.eh, y);
        const Span i = RowSpan(inner.l, inner.t, inner.r, inner.b, inner.ew, inner.eh, y);
        AddSpan(m_strokeRuns, y, o.lo, o.hi, i.lo, i.hi);
        if (bFill) AddRun(m_fillRuns, true, y, i.lo, i.hi);
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
    QPointF p[4];
    for (int i = 0; i < 4; ++i)
        p[i] = Device(pts[i].x, pts[i].y) + QPointF(off, off);
    const QRectF bounds = Bounds(p, 4);
    if (!Overlaps(bounds, NearBox())) return;
    ApplyRop();
    if (off != 0 && IsNear(bounds)) {
        QPainterPath path(p[0]);
        path.cubicTo(p[1], p[2], p[3]);
        m_painter.setPen(WidePen());
        m_painter.setBrush(m_noBrush);
        m_painter.drawPath(path);
        return;
    }
    QPolygonF line;
    line << p[0];
    FlattenCubic(p, NearBox(), 48, line);
    if (off != 0) {
        StrokeWidePolyline(line);
        return;
    }
    CPoint last(int(std::lround(line[0].x())), int(std::lround(line[0].y())));
    for (qsizetype i = 1; i < line.size(); ++i) {
        const CPoint next(int(std::lround(line[i].x())), int(std::lround(line[i].y())));
        AddLine(last, next);
        last = next;
    }
    FlushRuns();
}

// The parts of `line` inside NearBox(), each unbroken run as one polyline.
void CQtSurface::StrokeWidePolyline(const QPolygonF& line) {
    m_painter.setPen(WidePen());
    m_painter.setBrush(m_noBrush);
    const QRectF box = NearBox();
    QPolygonF run;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        QPointF a = line[i], b = line[i + 1];
        if (!ClipSegment(a, b, box)) continue;
        if (!run.isEmpty() && run.last() != a) {
            m_painter.drawPolyline(run);
            run.clear();
        }
        if (run.isEmpty()) run << a;
        run << b;
    }
    if (run.size() > 1) m_painter.drawPolyline(run);
}

void CQtSurface::DrawText(QPainter& painter, const CQtFont& font, const QString& text) const {
    DrawTextCell(painter, font, text, m_crText, m_nBkMode == OPAQUE ? &m_crBk : nullptr);
}

CSize CQtSurface::GetTextExtent(const std::string& text) {
    const CQtFont& font = CurrentFont();
    const int width = font.metrics.horizontalAdvance(DecodeCp1252(text));
    return DPtoLP(CSize{width, font.metrics.height()});
}

CTextMetrics CQtSurface::GetTextMetrics() {
    const QFontMetrics& m = CurrentFont().metrics;
    const CSize size = DPtoLP(CSize{m.averageCharWidth(), m.height()});
    CTextMetrics tm;
    tm.nHeight = size.cy;
    tm.nAscent = DPtoLP(CSize{0, m.ascent()}).cy;
    tm.nDescent = tm.nHeight - tm.nAscent;
    tm.nAveCharWidth = size.cx;
    return tm;
}

namespace {
// Where a text cell may leave ink: its box, grown for overhangs and underline.
QRectF InkBounds(const QTransform& xf, const QFontMetrics& m, const QString& text) {
    const double h = m.height();
    return xf.mapRect(QRectF(-h, -h, m.horizontalAdvance(text) + 2 * h, 3 * h));
}

// The same box without shaping the text: no glyph is wider than twice the
// font's widest, so a text far off the image is passed over cheaply.
QRectF RoughInkBounds(const QTransform& xf, const QFontMetrics& m, const QString& text) {
    const double h = m.height();
    const double w = double(text.size()) * 2.0 * std::max(m.maxWidth(), m.averageCharWidth());
    return xf.mapRect(QRectF(-h, -h, w + 2 * h, 3 * h));
}
} // namespace

// Text ignores the raster operation, as on a device context.
void CQtSurface::TextOut(int x, int y, const std::string& text) {
    if (!m_painter.isActive() || text.empty()) return;
    const CQtFont& font = CurrentFont();
    const QString s = DecodeCp1252(text);
    const QTransform xf = TextTransform(*this, m_font, x, y);
    if (!Overlaps(RoughInkBounds(xf, font.metrics, s), m_imageRect)) return;
    if (m_painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
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
    const QString s = DecodeCp1252(text);
    const QTransform xf = TextTransform(*this, m_font, x, y);
    const std::int64_t axis = LPtoDP(CPoint{x, y}).x;
    const QRectF ink = InkBounds(xf, font.metrics, s);
    const QRectF reflected(QPointF(2.0 * axis - ink.right(), ink.top()), ink.size());
    if (!Overlaps(reflected, m_imageRect)) return;
    const double w = m_image.width(), h = m_image.height();
    const QRect area = (ink & QRectF(2.0 * axis - w, 0, w, h)).toAlignedRect();
    if (area.isEmpty()) return;
    QImage scratch(area.size(), QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setTransform(xf * QTransform::fromTranslate(-area.left(), -area.top()));
        DrawText(painter, font, s);
    }
    if (m_painter.compositionMode() != QPainter::RasterOp_SourceAndDestination)
        m_painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    const int left = int(2 * axis - area.left() - area.width());
    m_painter.drawImage(QPoint(left, area.top()), scratch.mirrored(true, false));
}
