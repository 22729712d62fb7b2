#pragma once
// A document view's picture in device pixels: the scene (white sheet, grid,
// layers) and, over it, the marks of the selection and the macro origin. The
// window keeps the scene in an image and repaints parts of it; the command
// line draws a whole view with the same calls, so the two agree pixel for pixel.
#include "view/viewport/view_coords.h"

#include <QImage>
#include <QRect>

#include <vector>

struct CLayerTable;
class IDrawProgress;
class CSpatialIndex;
class CPrimitive;

// A rectangle (right/bottom excluded) as Qt keeps it.
inline QRect ToQRect(const CRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Paints the scene into `rc` of `image`, whose pixel (0, 0) is the view's
// top-left corner, the layers shown as `layers` says; nothing outside `rc` changes.
void PaintViewScene(QImage& image, const QRect& rc, const CViewCoords& view, double dpr,
                    const CSpatialIndex& index, const CLayerTable& layers);

// The same pixels for one part of the scene, within one of its tiles (see
// PlanParts): `out` holds image pixels from `at`. False when the progress
// stopped it; `out` is then undefined.
bool PaintViewPart(QImage& out, QPoint at, const CViewCoords& view, double dpr,
                   const CSpatialIndex& index, const CLayerTable& layers, IDrawProgress* progress);

// The marks of the selected primitives, then the macro origin unless hidden,
// clipped to `rc`.
void PaintViewMarks(QImage& image, const QRect& rc, const CViewCoords& view, double dpr,
                    const std::vector<CPrimitive*>& selection, const CLayerTable& layers);

// Moves the image's pixels by (dx, dy); what is uncovered keeps old pixels.
void ShiftImage(QImage& image, int dx, int dy);
