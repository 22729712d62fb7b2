#pragma once
// The scene of a document's view (sheet, grid, layers) kept in an image in
// device pixels. A document change marks the rectangles it touches; a scroll
// slides the pixels and marks only the strips it uncovers; Render draws what
// is marked, with the device around each pixel always the same.
#include "model/geometry.h"

#include <QImage>
#include <QRegion>

struct CLayerTable;
class CSpatialIndex;
class CViewCoords;

class CSceneCache final {
  public:
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
    void Render(const CViewCoords& coords, double dpr, const CSpatialIndex& index,
                const CLayerTable& layers);

  private:
    QImage m_scene;
    QRegion m_dirty;              // scene pixels to draw again
    CPoint m_ptSceneOrigin{0, 0}; // the device origin the scene was drawn with
};
