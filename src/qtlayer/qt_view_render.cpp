#include "qtlayer/qt_view_render.h"

#include "doc/layer_walk.h"
#include "doc/settings.h"
#include "doc/spatial_index.h"
#include "qtlayer/qt_surface.h"
#include "view/view_paint.h"

#include <QPainter>

#include <cmath>
#include <cstring>

namespace {
QColor Color(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

int DotSize(double dpr) { return std::max(1, int(std::lround(dpr))); }

// A QImage sharing the pixels of `rc` within `image`.
QImage SubImage(QImage& image, const QRect& rc) {
    uchar* bits = image.bits() + qsizetype(rc.top()) * image.bytesPerLine() +
                  qsizetype(rc.left()) * (image.depth() / 8);
    return QImage(bits, rc.width(), rc.height(), image.bytesPerLine(), image.format());
}

void PaintGrid(QImage& image, const QRect& rc, const CViewCoords& view, double dpr) {
    std::vector<int> cols, rows;
    GridDevicePositions(view, dpr, CRect{rc.left(), rc.top(), rc.right() + 1, rc.bottom() + 1},
                        cols, rows);
    if (cols.empty() || rows.empty()) return;
    const int n = DotSize(dpr);
    const QRect clip = rc;
    if (n == 1) {
        for (int y : rows) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x : cols) line[x] = qRgb(0, 0, 0);
        }
        return;
    }
    QPainter painter(&image);
    painter.setClipRect(clip);
    for (int y : rows)
        for (int x : cols) painter.fillRect(x, y, n, n, Qt::black);
}
} // namespace

void PaintViewScene(QImage& image, const QRect& area, const CViewCoords& view, double dpr,
                    const CSpatialIndex& index) {
    const QRect rc = area.intersected(image.rect());
    if (rc.isEmpty()) return;
    image.detach();
    QImage part = SubImage(image, rc);
    part.fill(Qt::white);
    if (view.m_bShowGrid) PaintGrid(image, rc, view, dpr);
    CQtSurface dc(part);
    view.PrepareMapping(dc, dpr);
    const CPoint org = dc.GetViewportOrg();
    dc.SetViewportOrg(org.x - rc.left(), org.y - rc.top());
    const CPoint a = dc.DPtoLP(CPoint{0, 0});
    const CPoint b = dc.DPtoLP(CPoint{rc.width(), rc.height()});
    const CRect visible{std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1, std::max(a.x, b.x) + 1,
                        std::max(a.y, b.y) + 1};
    DrawLayers(dc, index, visible, CLayerWalk());
}

void PaintViewMarks(QImage& image, const QRect& rc, const CViewCoords& view, double dpr,
                    const std::vector<CPrimitive*>& selection) {
    std::vector<CRect> boxes;
    MarkBoxes(view, dpr, selection, g_layers, boxes);
    if (boxes.empty() && view.m_bHideMacroOrigin) return;
    QPainter painter(&image);
    painter.setClipRect(rc);
    for (const CRect& r : boxes)
        painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), Color(MARK_COLOR));
    if (view.m_bHideMacroOrigin) return;
    QImage part = SubImage(image, rc);
    CQtSurface dc(part);
    const CRect o = OriginBox(view, dpr);
    dc.SetViewportOrg(-rc.left(), -rc.top());
    dc.SelectBrush(CBrush{false, ORIGIN_COLOR});
    dc.Ellipse(o.left, o.top, o.right, o.bottom);
}

void ShiftImage(QImage& image, int dx, int dy) {
    const int w = image.width(), h = image.height();
    if (std::abs(dx) >= w || std::abs(dy) >= h || (dx == 0 && dy == 0)) return;
    const int bpp = image.depth() / 8;
    const qsizetype bpl = image.bytesPerLine();
    uchar* bits = image.bits();
    const int rows = h - std::abs(dy), bytes = (w - std::abs(dx)) * bpp;
    const int srcX = dx < 0 ? -dx : 0, dstX = dx > 0 ? dx : 0;
    // Walk the rows away from the side they move to, so none is read after it is overwritten.
    for (int i = 0; i < rows; ++i) {
        const int r = dy > 0 ? rows - 1 - i : i;
        const int src = dy > 0 ? r : r - dy, dst = dy > 0 ? r + dy : r;
        std::memmove(bits + dst * bpl + dstX * bpp, bits + src * bpl + srcX * bpp, bytes);
    }
}
