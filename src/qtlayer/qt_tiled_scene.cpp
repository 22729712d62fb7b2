#include "qtlayer/qt_tiled_scene.h"

#include "doc/scene/tile_plan.h"
#include "doc/scene/tile_workers.h"
#include "qtlayer/qt_view_render.h"
#include "view/viewport/view_paint.h"

#include <QPainter>

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace {
constexpr int kMaxDirtyRects = 16; // beyond that one bounding box is drawn

} // namespace

struct CTiledScene::Shared {
    struct Result {
        unsigned nId;
        QImage pixels;
    };
    std::mutex mutex;
    std::vector<Result> results;
    std::function<void()> wake;
};

struct CTiledScene::Pending {
    unsigned nId;
    QRect sheet; // image pixels less the scene's origin
    std::shared_ptr<std::atomic<bool>> pCancelled;
};

CTiledScene::CTiledScene(CTileWorkers& workers)
    : m_workers(workers), m_pShared(std::make_shared<Shared>()) {}

CTiledScene::~CTiledScene() {
    std::lock_guard<std::mutex> lock(m_pShared->mutex);
    m_pShared->wake = nullptr;
    for (Pending& p : m_pending)
        p.pCancelled->store(true);
}

void CTiledScene::SetWake(std::function<void()> wake) {
    std::lock_guard<std::mutex> lock(m_pShared->mutex);
    m_pShared->wake = std::move(wake);
}

bool CTiledScene::Resize(QSize dev) {
    if (m_scene.size() == dev) return false;
    QImage old = m_scene;
    m_scene = QImage(dev, QImage::Format_RGB32);
    if (old.isNull()) {
        m_drawn = Placement();
    } else {
        QPainter copy(&m_scene); // the old pixels stay where they were until redrawn
        copy.setCompositionMode(QPainter::CompositionMode_Source);
        copy.fillRect(m_scene.rect(), Qt::white);
        copy.drawImage(QPoint(0, 0), old);
    }
    InvalidateAll(m_ptSceneOrigin);
    return true;
}

void CTiledScene::InvalidateAll(CPoint origin) {
    CancelAll();
    m_dirty = QRect(QPoint(0, 0), m_scene.size());
    m_ptSceneOrigin = origin;
}

void CTiledScene::CancelWhere(const QRect& dev) {
    for (std::size_t i = 0; i < m_pending.size();) {
        const QRect at = m_pending[i].sheet.translated(m_ptSceneOrigin.x, m_ptSceneOrigin.y);
        if (!at.intersects(dev)) {
            ++i;
            continue;
        }
        m_pending[i].pCancelled->store(true);
        const QRect within = at.intersected(m_scene.rect());
        if (!within.isEmpty()) m_dirty += within;
        m_pending.erase(m_pending.begin() + std::ptrdiff_t(i));
    }
}

void CTiledScene::CancelAll() {
    CancelWhere(QRect(QPoint(-(1 << 29), -(1 << 29)), QSize(1 << 30, 1 << 30)));
}

QRegion CTiledScene::ApplyChange(const CDocChange& change, const CViewCoords& coords, double dpr) {
    if (change.nKind == DOCCHANGE_MODIFIED) return {};
    if (change.nKind != DOCCHANGE_SELECTION) CancelAll();
    std::vector<CRect> rects;
    if (!ChangedDeviceRects(coords, dpr, change, rects)) {
        CMapping map;
        coords.PrepareMapping(map, dpr);
        InvalidateAll(map.GetViewportOrg());
        return QRegion(m_scene.rect());
    }
    QRegion marked;
    for (const CRect& r : rects)
        marked += Invalidate(ToQRect(r));
    return marked;
}

QRect CTiledScene::Invalidate(const QRect& dev) {
    const QRect clipped = dev.intersected(QRect(QPoint(0, 0), m_scene.size()));
    if (clipped.isEmpty()) return clipped;
    m_dirty += clipped;
    CancelWhere(clipped); // a part in flight would bring the old picture back
    return clipped;
}

bool CTiledScene::ScrollTo(CPoint origin) {
    const int dx = origin.x - m_ptSceneOrigin.x, dy = origin.y - m_ptSceneOrigin.y;
    m_ptSceneOrigin = origin;
    if (dx == 0 && dy == 0) return false;
    m_drawn.ox += dx;
    m_drawn.oy += dy;
    const int w = m_scene.width(), h = m_scene.height();
    if (m_scene.isNull() || std::abs(dx) >= w || std::abs(dy) >= h) {
        InvalidateAll(origin);
        return true;
    }
    ShiftImage(m_scene, dx, dy);
    m_dirty.translate(dx, dy);
    m_dirty &= m_scene.rect();
    if (dx > 0) m_dirty += QRect(0, 0, dx, h);
    if (dx < 0) m_dirty += QRect(w + dx, 0, -dx, h);
    if (dy > 0) m_dirty += QRect(0, 0, w, dy);
    if (dy < 0) m_dirty += QRect(0, h + dy, w, -dy);
    // What scrolled out of the window is no longer worth drawing.
    for (std::size_t i = 0; i < m_pending.size();) {
        if (m_pending[i].sheet.translated(origin.x, origin.y).intersects(m_scene.rect())) {
            ++i;
            continue;
        }
        m_pending[i].pCancelled->store(true);
        m_pending.erase(m_pending.begin() + std::ptrdiff_t(i));
    }
    return true;
}

CTiledScene::Placement CTiledScene::PlacementOf(const CViewCoords& coords, double dpr) {
    CMapping map;
    coords.PrepareMapping(map, dpr);
    const CPoint a = map.LPtoDP(CPoint{0, 0});
    const CPoint b = map.LPtoDP(CPoint{SHEET_SIZE, SHEET_SIZE});
    Placement p;
    p.bValid = true;
    p.sx = double(b.x - a.x) / SHEET_SIZE;
    p.sy = double(b.y - a.y) / SHEET_SIZE;
    p.ox = a.x;
    p.oy = a.y;
    return p;
}

// The sheet's colours, then the old pixels where the new view puts them.
void CTiledScene::Approximate(const Placement& now, const CViewCoords& coords, double dpr) {
    const QImage old = m_drawn.bValid ? m_scene.copy() : QImage();
    QPainter painter(&m_scene);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const CRect s = SheetDeviceRect(coords, dpr);
    painter.fillRect(m_scene.rect(),
                     QColor(GetRValue(OUTSIDE_SHEET_COLOR), GetGValue(OUTSIDE_SHEET_COLOR),
                            GetBValue(OUTSIDE_SHEET_COLOR)));
    painter.fillRect(ToQRect(s), Qt::white);
    if (!old.isNull() && m_drawn.sx != 0 && m_drawn.sy != 0) {
        const double kx = now.sx / m_drawn.sx, ky = now.sy / m_drawn.sy;
        const QRectF to((0 - m_drawn.ox) * kx + now.ox, (0 - m_drawn.oy) * ky + now.oy,
                        old.width() * kx, old.height() * ky);
        painter.drawImage(to, old, QRectF(old.rect()));
    }
    m_drawn = now;
}

void CTiledScene::Render(const CViewCoords& coords, double dpr, const CSpatialIndex& index,
                         const CLayerTable& layers) {
    if (m_scene.isNull()) return;
    CMapping map;
    coords.PrepareMapping(map, dpr);
    const CPoint org = map.GetViewportOrg();
    const Placement now = PlacementOf(coords, dpr);
    if (!(now == m_drawn)) {
        Approximate(now, coords, dpr);
        InvalidateAll(org);
    }
    m_ptSceneOrigin = org;
    if (m_dirty.isEmpty()) return;
    std::vector<CRect> rects;
    const auto add = [&rects](const QRect& r) {
        rects.push_back(CRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    };
    if (m_dirty.rectCount() > kMaxDirtyRects)
        add(m_dirty.boundingRect());
    else
        for (const QRect& r : m_dirty)
            add(r);
    m_dirty = QRegion();
    const CPoint centre{m_scene.width() / 2, m_scene.height() / 2};
    for (const CRect& part : PlanParts(rects, org, centre))
        Send(part, coords, dpr, index, layers);
}

void CTiledScene::Send(const CRect& part, const CViewCoords& coords, double dpr,
                       const CSpatialIndex& index, const CLayerTable& layers) {
    const QRect at = ToQRect(part);
    const unsigned nId = m_nNextId++;
    auto pCancelled = std::make_shared<std::atomic<bool>>(false);
    m_pending.push_back(
        Pending{nId, at.translated(-m_ptSceneOrigin.x, -m_ptSceneOrigin.y), pCancelled});
    m_workers.Submit([shared = m_pShared, nId, pCancelled, at, coords, dpr, pIndex = &index,
                      pLayers = &layers](CWorkerGate& gate) {
        if (pCancelled->load()) return;
        QImage pixels(at.size(), QImage::Format_RGB32);
        CGateProgress progress(gate, *pCancelled);
        if (!PaintViewPart(pixels, at.topLeft(), coords, dpr, *pIndex, *pLayers, &progress)) return;
        std::lock_guard<std::mutex> lock(shared->mutex);
        shared->results.push_back(Shared::Result{nId, std::move(pixels)});
        if (shared->wake) shared->wake();
    });
}

QRegion CTiledScene::TakeFinished() {
    std::vector<Shared::Result> done;
    {
        std::lock_guard<std::mutex> lock(m_pShared->mutex);
        done.swap(m_pShared->results);
    }
    QRegion changed;
    if (done.empty()) return changed;
    QPainter copy(&m_scene);
    copy.setCompositionMode(QPainter::CompositionMode_Source);
    for (const Shared::Result& r : done) {
        auto it = std::find_if(m_pending.begin(), m_pending.end(),
                               [&r](const Pending& p) { return p.nId == r.nId; });
        if (it == m_pending.end()) continue; // dropped since: its area is marked again
        const QRect at = it->sheet.translated(m_ptSceneOrigin.x, m_ptSceneOrigin.y);
        m_pending.erase(it);
        copy.drawImage(at.topLeft(), r.pixels);
        changed += at.intersected(m_scene.rect());
    }
    return changed;
}
