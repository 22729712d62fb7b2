#pragma once
// What every picture export is asked for and what it answers: the options,
// the result, and the message a failed one shows.
#include "doc/scene/layer_walk.h"

#include <cstdint>
#include <string>

enum ExportMode { EXPORT_RELATIVE = 0, EXPORT_ABSOLUTE = 1, EXPORT_EMF = 2 };

struct CExportOptions {
    int nMode = EXPORT_ABSOLUTE;
    int nZoom = 400;           // percent, 1..2000
    int nDPI = 600;            // 30..2400
    int nMicronsPerUnit = 127; // 1..1000
    CLayerTable layers;        // the layers drawn and measured, as shown on screen
};

// Sizes of the picture (the bitmap's, which the other formats share) for a window extent of w x h
// logical units.
struct CBitmapGeometry {
    std::int64_t nViewport = 0;           // device extent of the 2500-unit sheet
    std::int64_t nWidth = 0, nHeight = 0; // pixels
    std::int32_t nPixelsPerMetre = 0;
    std::int64_t nRowBytes = 0;       // B: the width in bits rounded up to 16-bit words
    std::int64_t nPaddedRowBytes = 0; // R: B rounded up to 4 bytes
};
CBitmapGeometry ComputeBitmapGeometry(const CExportOptions& o, std::int64_t w, std::int64_t h);

enum ExportResult {
    EXPORT_OK,
    EXPORT_NO_EXTENT,    // nothing on a shown layer
    EXPORT_BITMAP_ERROR, // the bitmap cannot be made (too large)
    EXPORT_MEMORY_ERROR,
    EXPORT_WRITE_ERROR,
    EXPORT_STOPPED, // the progress said stop; nothing was written
};

// The message to show for a failed export, or empty (also for a stopped one);
// a failed write tells the system's reason nErrno.
std::string ExportMessage(ExportResult r, int nErrno = 0);
