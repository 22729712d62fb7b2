#pragma once
// Pictures of a drawing made with Qt: colour PNG, vector SVG and PDF, and the
// enhanced metafile (recorded by the core, measured with Qt's fonts). Each
// draws through the layer walk, empties the selection, and answers an empty
// string on success or the message to show.
#include "doc/document.h"
#include "doc/export_bitmap.h"

#include <string>

// Same pixel size as the bitmap export for the options (zoom or DPI and
// microns), in layer colours on white, aliased unless bAntialias.
std::string ExportPng(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                      bool bAntialias);
// Vector pictures at real scale: one unit measures o.nMicronsPerUnit micrometres.
std::string ExportSvg(CSchemoDoc& doc, const CExportOptions& o, const std::string& path);
std::string ExportPdf(CSchemoDoc& doc, const CExportOptions& o, const std::string& path);
// The enhanced metafile in layer colours at zoom argument 2000; `title` goes
// into its description.
std::string ExportQtMetafile(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                             const std::string& title);
