#pragma once
// The glyphs of a text as closed outlines, from the program's fonts; the
// fabrication files stroke them.
#include "model/raster/clip.h"

#include <vector>

class CExtendedText;

class IGlyphOutlines {
  public:
    virtual ~IGlyphOutlines() = default;
    // Each contour a closed polygon, in drawing units, placed, turned and
    // mirrored as the window shows the text at 100 %.
    virtual std::vector<std::vector<CPointD>> Outlines(const CExtendedText& text) = 0;
};
