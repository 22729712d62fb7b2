#include "qtlayer/qt_clip_picture.h"

#include "doc/export/export_common.h"
#include "qtlayer/qt_export.h"
#include "qtlayer/qt_surface.h"

#include <QImage>

#include <algorithm>

namespace {
// The longer side of the picture at o's zoom, 0 when nothing is shown. Text
// measures differently at each zoom, so it is measured, not scaled.
std::int64_t LongerSide(CSchemoDoc& doc, const CExportOptions& o) {
    QImage one(1, 1, QImage::Format_RGB32);
    CQtSurface probe(one);
    const CPicturePrep prep(doc, probe, o);
    if (!prep.HasExtent()) return 0;
    return std::max(prep.Geometry().nWidth, prep.Geometry().nHeight);
}
} // namespace

std::string ClipPicturePng(CSchemoDoc& doc, const CLayerTable& layers, int nZoom, int nMaxSide) {
    CExportOptions o;
    o.nMode = EXPORT_RELATIVE;
    o.nZoom = nZoom;
    o.layers = layers;
    for (;;) {
        const std::int64_t nSide = LongerSide(doc, o);
        if (nSide == 0) return std::string();
        if (nSide <= nMaxSide) break;
        if (o.nZoom == 1) return std::string();
        o.nZoom = int(std::clamp<std::int64_t>(o.nZoom * nMaxSide / nSide, 1, o.nZoom - 1));
    }
    std::string png;
    MakePng(doc, o, false, png);
    return png;
}
