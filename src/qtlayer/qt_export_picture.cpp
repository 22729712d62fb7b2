#include "doc/export/export_metafile.h"
#include "qtlayer/qt_export.h"
#include "qtlayer/qt_raster.h"
#include "qtlayer/qt_surface.h"

#include <QImage>

// Texts are measured with the same fonts the screen uses.
std::string ExportQtMetafile(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                             const std::string& title, IDrawProgress* progress) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    CQtSurface measure(scratch);
    return ExportMetafile(doc, path, title, measure, o.layers, progress);
}

std::string ExportPicture(CSchemoDoc& doc, PictureFormat format, const CExportOptions& o,
                          const std::string& path, const CPictureExtras& extras) {
    switch (format) {
    case PICTURE_BMP: {
        // The reason is read only once the export has set it.
        int nErrno = 0;
        const ExportResult r =
            ExportBitmap(doc, o, path, MakeQtRasterBand, extras.progress, &nErrno);
        return ExportMessage(r, nErrno);
    }
    case PICTURE_PNG:
        return ExportPng(doc, o, path, extras.bAntialias, extras.progress);
    case PICTURE_EMF:
        return ExportQtMetafile(doc, o, path, extras.title, extras.progress);
    case PICTURE_SVG:
        return ExportSvg(doc, o, path, extras.progress);
    case PICTURE_PDF:
        return ExportPdf(doc, o, path, extras.progress);
    case PICTURE_NONE:
        break;
    }
    return MSG_CANNOT_DRAW;
}
