#pragma once
// The picture of a comparison as a PNG (aliased, pixel for pixel), SVG or PDF
// file: a legend line on top, then one row per compared drawing (a library
// gives one row per changed component, with its header above it).
#include "doc/diff/diff_picture.h"
#include "doc/export/picture_format.h"

#include <QImage>

#include <string>
#include <vector>

struct CDiffRow {
    std::string label; // shown above the row; a single drawing has none
    const CPrimitiveList* pOld;
    const CPrimitiveList* pNew;
    const CDrawingDiff* pDiff;
};

struct CDiffPictureOptions {
    int nWidth = 1200, nHeight = 900; // a single drawing's; a library row is a third as tall
    int nContext = 20;                // units around the changes, or DIFF_CONTEXT_ALL
    CLayerTable layers;               // the layers shown
};

QImage DiffImage(const std::vector<CDiffRow>& rows, const std::string& legend,
                 const CDiffPictureOptions& o);
// PNG, SVG and PDF; no other.
bool IsDiffPictureFormat(PictureFormat format);
// The format follows the path's extension, one of IsDiffPictureFormat's; an
// empty string on success, else the message to show. A new file gets nNewMode.
std::string ExportDiffPicture(const std::vector<CDiffRow>& rows, const std::string& legend,
                              const CDiffPictureOptions& o, const std::string& path,
                              unsigned nNewMode = 0644);
