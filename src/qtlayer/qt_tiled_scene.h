#pragma once
// The scene of a document's view (sheet, grid, layers) kept in an image in
// device pixels and drawn by the worker threads, the newest view first. A
// change marks the rectangles it touches and a scroll slides the pixels;
// until the parts arrive the image shows an approximation: the old pixels,
// moved and scaled to the new zoom. The parts, once all arrived, are exactly
// what PaintViewScene draws.
#include "model/geometry.h"
#include "view/viewport/view_coords.h"

#include <QImage>
#include <QRegion>

#include <functional>
#include <memory>
#include <vector>

struct CDocChange;
struct CLayerTable;
class CSpatialIndex;
class CTileWorkers;

class CTiledScene final {
  public:
    explicit CTiledScene(CTileWorkers& workers);
    ~CTiledScene(); // its parts still drawn are dropped

    const QImage& Image() const { return m_scene; }
    // A new size in device pixels: everything is drawn again. False if unchanged.
    bool Resize(QSize dev);
    // The whole scene goes stale, to be drawn for the device origin `origin`.
    void InvalidateAll(CPoint origin);
    // Marks device pixels to draw again; returns the part within the scene.
    QRect Invalidate(const QRect& dev);
    // The device origin moved: the pixels slide and the uncovered strips are
    // marked. False if the origin did not move.
    bool ScrollTo(CPoint origin);
    // What the document held may be gone: no part in flight goes on.
    void CancelAll();
    // A change of the document: the parts in flight are dropped (unless only
    // the selection changed) and the pixels it touched marked. Returns them;
    // the whole scene when the change gives no bounds.
    QRegion ApplyChange(const CDocChange& change, const CViewCoords& coords, double dpr);
    // Brings the image near the view (moved and scaled old pixels) and sends
    // what is marked to the workers. The index and layers must stay as they
    // are while the workers are not paused.
    void Render(const CViewCoords& coords, double dpr, const CSpatialIndex& index,
                const CLayerTable& layers);
    // Copies in the parts the workers finished; the image pixels that changed.
    QRegion TakeFinished();
    // Nothing marked and nothing in flight: the image is the exact scene.
    bool IsSettled() const { return m_dirty.isEmpty() && m_pending.empty(); }
    // Called on a worker thread when a part is ready to take.
    void SetWake(std::function<void()> wake);

  private:
    struct Shared;
    struct Pending;
    // Where the pixels were drawn: device = logical * scale + origin, per axis.
    struct Placement {
        bool bValid = false;
        double sx = 1, sy = 1, ox = 0, oy = 0;
        bool operator==(const Placement& o) const {
            return bValid == o.bValid && sx == o.sx && sy == o.sy && ox == o.ox && oy == o.oy;
        }
    };
    static Placement PlacementOf(const CViewCoords& coords, double dpr);
    void Approximate(const Placement& now, const CViewCoords& coords, double dpr);
    void Send(const CRect& part, const CViewCoords& coords, double dpr, const CSpatialIndex& index,
              const CLayerTable& layers);
    void CancelWhere(const QRect& dev);

    CTileWorkers& m_workers;
    std::shared_ptr<Shared> m_pShared; // what the jobs hold, outliving the scene
    QImage m_scene;
    QRegion m_dirty; // scene pixels to draw again, not yet sent
    std::vector<Pending> m_pending;
    CPoint m_ptSceneOrigin{0, 0}; // the device origin the scene is drawn for
    Placement m_drawn;            // where the image's pixels were drawn
    unsigned m_nNextId = 1;
};
