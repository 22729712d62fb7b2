#include "qtlayer/qt_view_render.h"

#include "doc/document/settings.h"
#include "doc/scene/layer_walk.h"
#include "doc/scene/spatial_index.h"
#include "doc/scene/tile_plan.h"
#include "model/layers.h"
#include "qtlayer/qt_surface.h"
#include "view/viewport/view_paint.h"

#include <QPainter>

#include <cmath>
#include <cstring>

namespace {
QColor Color(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

int DotSize(double dpr) {
    return std::max(1, int(std::lround(dpr)));
}

// A QImage sharing the pixels of `rc` within `image`.
QImage SubImage(QImage& image, const QRect& rc) {
    uchar* bits = image.bits() + qsizetype(rc.top()) * image.bytesPerLine() +
                  qsizetype(rc.left()) * (image.depth() / 8);
    return QImage(bits, rc.width(), rc.height(), image.bytesPerLine(), image.format());
}

constexpr int kTile = SCENE_TILE;

// Each thread draws into a tile of its own.
QImage& TileImage() {
    static thread_local QImage tile(kTile, kTile, QImage::Format_RGB32);
    return tile;
}

void PaintGrid(QImage& target, QPoint at, const QRect& part, const CViewCoords& view, double dpr);

// The part `part` (tile pixels) of the tile whose pixel (0, 0) is image pixel
// `at`: white on the sheet and grey around it, the grid, then what the index finds near the part. A
// primitive is drawn whole into the tile, so its pixels do not depend on which part of the tile was
// asked for.
bool PaintTile(QImage& tile, QPoint at, const QRect& part, const CViewCoords& view, double dpr,
               const CSpatialIndex& index, const CLayerTable& layers,
               IDrawProgress* progress = nullptr) {
    {
        QPainter fill(&tile);
        fill.setCompositionMode(QPainter::CompositionMode_Source);
        const CRect s = SheetDeviceRect(view, dpr);
        const QRect sheet = QRect(s.left, s.top, s.right - s.left, s.bottom - s.top)
                                .translated(-at)
                                .intersected(part);
        if (sheet != part) fill.fillRect(part, Color(OUTSIDE_SHEET_COLOR));
        fill.fillRect(sheet, Qt::white);
    }
    if (view.m_grid.bShowGrid) PaintGrid(tile, at, part, view, dpr);
    CQtSurface dc(tile);
    dc.SetMinPenPixels(DotSize(dpr));
    view.PrepareMapping(dc, dpr);
    const CPoint org = dc.GetViewportOrg();
    dc.SetViewportOrg(org.x - at.x(), org.y - at.y());
    const CPoint a = dc.DPtoLP(CPoint{part.left(), part.top()});
    const CPoint b = dc.DPtoLP(CPoint{part.right() + 1, part.bottom() + 1});
    const CRect visible{std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1, std::max(a.x, b.x) + 1,
                        std::max(a.y, b.y) + 1};
    CLayerWalk walk(layers);
    walk.pProgress = progress;
    return DrawLayers(dc, index, visible, walk);
}

// The grid dots within `part` of `target`, whose pixel (0, 0) is image pixel `at`.
void PaintGrid(QImage& target, QPoint at, const QRect& part, const CViewCoords& view, double dpr) {
    const int n = DotSize(dpr);
    // A dot starting up to n - 1 pixels before the part still reaches into it.
    const QRect from = part.adjusted(-(n - 1), -(n - 1), 0, 0).translated(at);
    std::vector<int> cols, rows;
    GridDevicePositions(
        view, dpr, CRect{from.left(), from.top(), from.right() + 1, from.bottom() + 1}, cols, rows);
    for (int y : rows)
        for (int dy = 0; dy < n; ++dy) {
            const int ty = y - at.y() + dy;
            if (ty < part.top() || ty > part.bottom()) continue;
            auto* line = reinterpret_cast<QRgb*>(target.scanLine(ty));
            for (int x : cols)
                for (int dx = 0; dx < n; ++dx) {
                    const int tx = x - at.x() + dx;
                    if (tx >= part.left() && tx <= part.right()) line[tx] = qRgb(0, 0, 0);
                }
        }
}
} // namespace

// The scene is drawn in tiles fixed to the sheet's device coordinates, into a
// tile-sized image and then copied: the painter clips what reaches beyond its
// device, and clipping moves the odd pixel of a wide stroke, so a pixel must
// always be drawn with the same device around it, be it for the whole window,
// a change or the strip a scroll uncovers.
void PaintViewScene(QImage& image, const QRect& area, const CViewCoords& view, double dpr,
                    const CSpatialIndex& index, const CLayerTable& layers) {
    const QRect rc = area.intersected(image.rect());
    if (rc.isEmpty()) return;
    CMapping map;
    view.PrepareMapping(map, dpr);
    const CPoint org = map.GetViewportOrg();
    // Tile (i, j) covers image pixels org + (i, j) * TILE, which keeps them still on the sheet.
    const auto first = [](int v, int o) { return int(std::floor(double(v - o) / kTile)); };
    QImage& tile = TileImage();
    for (int j = first(rc.top(), org.y); j <= first(rc.bottom(), org.y); ++j)
        for (int i = first(rc.left(), org.x); i <= first(rc.right(), org.x); ++i) {
            const QRect at(org.x + i * kTile, org.y + j * kTile, kTile, kTile);
            const QRect part = at.intersected(rc);
            PaintTile(tile, at.topLeft(), part.translated(-at.topLeft()), view, dpr, index, layers);
            QPainter copy(&image);
            copy.setCompositionMode(QPainter::CompositionMode_Source);
            copy.drawImage(part.topLeft(), tile, part.translated(-at.topLeft()));
        }
}

bool PaintViewPart(QImage& out, QPoint at, const CViewCoords& view, double dpr,
                   const CSpatialIndex& index, const CLayerTable& layers, IDrawProgress* progress) {
    CMapping map;
    view.PrepareMapping(map, dpr);
    const CPoint org = map.GetViewportOrg();
    const auto first = [](int v, int o) { return int(std::floor(double(v - o) / kTile)); };
    const QPoint tileAt(org.x + first(at.x(), org.x) * kTile, org.y + first(at.y(), org.y) * kTile);
    const QRect part = QRect(at, out.size()).translated(-tileAt);
    QImage& tile = TileImage();
    if (!PaintTile(tile, tileAt, part, view, dpr, index, layers, progress)) return false;
    QPainter copy(&out);
    copy.setCompositionMode(QPainter::CompositionMode_Source);
    copy.drawImage(QPoint(0, 0), tile, part);
    return true;
}

void PaintViewMarks(QImage& image, const QRect& rc, const CViewCoords& view, double dpr,
                    const std::vector<CPrimitive*>& selection, const CLayerTable& layers) {
    std::vector<CRect> boxes;
    MarkBoxes(view, dpr, selection, layers, boxes);
    if (boxes.empty() && view.m_grid.bHideMacroOrigin) return;
    QPainter painter(&image);
    painter.setClipRect(rc);
    for (const CRect& r : boxes)
        painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top),
                         Color(MARK_COLOR));
    if (view.m_grid.bHideMacroOrigin) return;
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
