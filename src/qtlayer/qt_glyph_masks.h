#pragma once
// The glyphs of an aliased raster font as runs of pixels, each taken once
// from Qt's own drawing of its character. A text of such characters is then
// drawn by copying the runs to the pen positions Qt would give them: the
// same pixels as Qt's text drawing, without its layout on every call.
#include <QFont>
#include <QRgb>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CGlyphMasks final {
  public:
    // `font` must be aliased and drawn without shaping.
    explicit CGlyphMasks(const QFont& font) : m_font(font) {}
    // Whether Qt draws the font's glyphs from its cache of glyph images, as
    // this copies them, rather than filling their outlines.
    static bool Copies(const QFont& font);

    // Writes `text` (Windows-1252 bytes) in `color` with the pen at device x
    // and baseline y into 32-bit pixels, clipped to width × height. False,
    // with nothing written, when a character is not one it can copy.
    bool Draw(QRgb* bits, qsizetype stride, int width, int height, int x, int y,
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
    const Glyph& At(unsigned char c);
    void Build(unsigned char c, Glyph& g) const;

    QFont m_font;
    std::array<Glyph, 256> m_glyphs;
};
