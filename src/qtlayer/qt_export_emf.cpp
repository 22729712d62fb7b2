#include "doc/export/export_metafile.h"
#include "qtlayer/qt_export.h"
#include "qtlayer/qt_surface.h"

#include <QImage>

// Texts are measured with the same fonts the screen uses.
std::string ExportQtMetafile(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                             const std::string& title, IDrawProgress* progress) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    CQtSurface measure(scratch);
    return ExportMetafile(doc, path, title, measure, o.layers, progress);
}
