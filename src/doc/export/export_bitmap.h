#pragma once
// Export of a drawing as a 1-bit Windows bitmap, cropped to the drawing's
// extent plus 5 units, at a zoom (relative mode) or at printer dots per inch
// and microns per unit (absolute mode).
#include "doc/document/document.h"
#include "doc/export/export_options.h"
#include "doc/scene/raster.h"

#include <cstdint>
#include <string>

// The 62 bytes in front of the rows: file header, information header, palette.
std::string BmpHeader(const CBitmapGeometry& g);

// Draws the document and writes the BMP file. The selection is drawn black
// like the rest and stays as it was; the regions are rebuilt at the export's scale.
ExportResult ExportBitmap(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                          const RasterBandFactory& makeBand, IDrawProgress* progress = nullptr,
                          int* pnErrno = nullptr);
