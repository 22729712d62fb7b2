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

constexpr int kTile = 256;

void PaintGrid(QImage& target, QPoint at, const CViewCoords& view, double dpr);

// One tile, its pixel (0, 0) at image pixel `at`: white, then the layers.
void PaintTile(QImage& tile, QPoint at, const CViewCoords& view, double dpr,
               const CSpatialIndex& index) {
    tile.fill(Qt::white);
    if (view.m_bShowGrid) PaintGrid(tile, at, view, dpr);
    CQtSurface dc(tile);
    view.PrepareMapping(dc, dpr);
    const CPoint org = dc.GetViewportOrg();
    dc.SetViewportOrg(org.x - at.x(), org.y - at.y());
    const CPoint a = dc.DPtoLP(CPoint{0, 0});
    const CPoint b = dc.DPtoLP(CPoint{kTile, kTile});
    const CRect visible{std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1, std::max(a.x, b.x) + 1,
                        std::max(a.y, b.y) + 1};
    DrawLayers(dc, index, visible, CLayerWalk());
}

// The grid dots of `target`, whose pixel (0, 0) is image pixel `at`.
void PaintGrid(QImage& target, QPoint at, const CViewCoords& view, double dpr) {
    std::vector<int> cols, rows;
    GridDevicePositions(view, dpr,
                        CRect{at.x(), at.y(), at.x() + target.width(), at.y() + target.height()},
                        cols, rows);
    if (cols.empty() || rows.empty()) return;
    const int n = DotSize(dpr);
    for (int y : rows)
        for (int dy = 0; dy < n && y - at.y() + dy < target.height(); ++dy) {
            auto* line = reinterpret_cast<QRgb*>(target.scanLine(y - at.y() + dy));
            for (int x : cols)
                for (int dx = 0; dx < n && x - at.x() + dx < target.width(); ++dx)
                    line[x - at.x() + dx] = qRgb(0, 0, 0);
        }
}
} // namespace

// The scene is drawn in tiles fixed to the sheet's device coordinates, each
// whole into a tile of its own and then copied: the painter clips what
// reaches beyond its device, and clipping moves the odd pixel of a wide
// stroke, so a pixel must always be drawn with the same tile around it, be it
// for the whole window, a change or the strip a scroll uncovers.
void PaintViewScene(QImage& image, const QRect& area, const CViewCoords& view, double dpr,
                    const CSpatialIndex& index) {
    const QRect rc = area.intersected(image.rect());
    if (rc.isEmpty()) return;
    CMapping map;
    view.PrepareMapping(map, dpr);
    const CPoint org = map.GetViewportOrg();
    // Tile (i, j) covers image pixels org + (i, j) * TILE, which keeps them still on the sheet.
    const auto first = [](int v, int o) { return int(std::floor(double(v - o) / kTile)); };
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    for (int j = first(rc.top(), org.y); j <= first(rc.bottom(), org.y); ++j)
        for (int i = first(rc.left(), org.x); i <= first(rc.right(), org.x); ++i) {
            const QRect at(org.x + i * kTile, org.y + j * kTile, kTile, kTile);
            PaintTile(tile, at.topLeft(), view, dpr, index);
            const QRect part = at.intersected(rc);
            QPainter copy(&image);
            copy.setCompositionMode(QPainter::CompositionMode_Source);
            copy.drawImage(part.topLeft(), tile, part.translated(-at.topLeft()));
        }
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
