#include "app/window/scene_cache.h"

#include "qtlayer/qt_view_render.h"

#include <cstdlib>

namespace {
constexpr int kMaxDirtyRects = 16; // beyond that one bounding box is drawn
} // namespace

bool CSceneCache::Resize(QSize dev) {
    if (m_scene.size() == dev) return false;
    m_scene = QImage(dev, QImage::Format_RGB32);
    m_dirty = QRect(QPoint(0, 0), dev);
    return true;
}

void CSceneCache::InvalidateAll(CPoint origin) {
    m_dirty = QRect(QPoint(0, 0), m_scene.size());
    m_ptSceneOrigin = origin;
}

QRect CSceneCache::Invalidate(const QRect& dev) {
    const QRect clipped = dev.intersected(QRect(QPoint(0, 0), m_scene.size()));
    if (!clipped.isEmpty()) m_dirty += clipped;
    return clipped;
}

bool CSceneCache::ScrollTo(CPoint origin) {
    const int dx = origin.x - m_ptSceneOrigin.x, dy = origin.y - m_ptSceneOrigin.y;
    m_ptSceneOrigin = origin;
    if (dx == 0 && dy == 0) return false;
    const int w = m_scene.width(), h = m_scene.height();
    if (m_scene.isNull() || std::abs(dx) >= w || std::abs(dy) >= h) {
        m_dirty = QRect(QPoint(0, 0), m_scene.size());
        return true;
    }
    ShiftImage(m_scene, dx, dy);
    m_dirty.translate(dx, dy);
    if (dx > 0) m_dirty += QRect(0, 0, dx, h);
    if (dx < 0) m_dirty += QRect(w + dx, 0, -dx, h);
    if (dy > 0) m_dirty += QRect(0, 0, w, dy);
    if (dy < 0) m_dirty += QRect(0, h + dy, w, -dy);
    return true;
}

void CSceneCache::Render(const CViewCoords& coords, double dpr, const CSpatialIndex& index,
                         const CLayerTable& layers) {
    if (m_dirty.isEmpty()) return;
    if (m_dirty.rectCount() > kMaxDirtyRects)
        PaintViewScene(m_scene, m_dirty.boundingRect(), coords, dpr, index, layers);
    else
        for (const QRect& r : m_dirty)
            PaintViewScene(m_scene, r, coords, dpr, index, layers);
    m_dirty = QRegion();
}
