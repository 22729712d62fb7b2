#pragma once
// The glyphs of an aliased raster font as runs of pixels, each taken once
// from Qt's own drawing of its character. A text of such characters is then
// drawn by copying the runs to the pen positions Qt would give them: the
// same pixels as Qt's text drawing, without its layout on every call.
#include <QFont>
#include <QRgb>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CGlyphMasks final {
  public:
    // `font` must be aliased and drawn without shaping.
    explicit CGlyphMasks(const QFont& font);
    // Whether Qt draws the font's glyphs from its cache of glyph images, as
    // this copies them, rather than filling their outlines.
    static bool Copies(const QFont& font);

    // Writes `text` (Windows-1252 bytes) in `color` into 32-bit pixels,
    // clipped to width × height, as Qt draws it with the upper-left corner of
    // its cell at device (x, y), turned by nEscapement tenths of a degree.
    // False, with nothing written, when a character or the turn is not one it
    // can copy.
    bool Draw(QRgb* bits, qsizetype stride, int width, int height, int x, int y, int nEscapement,
              const std::string& text, QRgb color);

  private:
    struct Run {
        int dy, x0, x1; // from the pen, x1 past the run's end
    };
    struct Glyph {
        bool bBuilt = false;
        bool bOk = false;
        std::int64_t nAdvance = 0; // in 64ths of a pixel, as Qt places glyphs
        std::vector<Run> runs;
    };
    using Glyphs = std::array<Glyph, 256>;
    const Glyph& At(Glyphs& glyphs, int nTurn, unsigned char c) const;
    void Build(int nTurn, unsigned char c, Glyph& g) const;

    QFont m_font;
    int m_nAscent;
    // Upright, and turned a quarter either way: turns Qt computes exactly.
    std::array<std::unique_ptr<Glyphs>, 4> m_glyphs;
};
