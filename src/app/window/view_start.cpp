#include "app/window/view_start.h"

#include "doc/scene/drawing_extent.h"
#include "qtlayer/qt_surface.h"
#include "view/viewport/view_coords.h"

#include <QImage>

#include <thread>

bool MeasuredExtent(const std::vector<CPrimitive*>& prims, const CLayerTable& layers, CRect& box) {
    QImage probe(1, 1, QImage::Format_RGB32);
    CQtSurface dc(probe);
    CViewCoords().PrepareMapping(dc); // texts measured at 100 %
    return DrawingExtent(prims, layers, box, &dc);
}

CViewStart PrepareViewStart(const std::vector<CPrimitive*>& prims, const CLayerTable& layers) {
    CViewStart start;
    std::thread measure([&] {
        MeasuredExtent(prims, layers, start.extent);
        RasterFonts().Clear(); // the thread's fonts go while Qt's font engines of it live
    });
    start.index.emplace();
    start.index->Rebuild(prims);
    measure.join();
    start.bExtentKnown = true;
    return start;
}
