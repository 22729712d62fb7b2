#pragma once
// Glyph outlines from the fonts the vector surfaces draw with.
#include "doc/fab/glyph_outlines.h"
#include "qtlayer/qt_fonts.h"

class CQtGlyphOutlines final : public IGlyphOutlines {
  public:
    CQtGlyphOutlines() : m_fonts(false, true) {}
    std::vector<std::vector<CPointD>> Outlines(const CExtendedText& text) override;

  private:
    CQtFonts m_fonts;
};
