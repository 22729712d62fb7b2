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
#include <utility>
#include <vector>

class CGlyphMasks final {
  public:
    // `font` must be aliased and drawn without shaping.
    explicit CGlyphMasks(const QFont& font);
    // Whether Qt draws the font's glyphs from its cache of glyph images, as
    // this copies them, rather than filling their outlines.
    static bool Copies(const QFont& font);

    // 32-bit pixels to draw into, and how.
    struct CTarget {
        QRgb* bits;
        qsizetype stride; // in pixels
        int width, height;
        // Reflected about the line between device columns axis - 1 and axis,
        // and ANDed into the pixels, else written over them.
        bool bMirror = false;
        std::int64_t axis = 0;
    };

    // Draws `text` (Windows-1252 bytes) in `color`, clipped to the target,
    // as Qt draws it with the upper-left corner of its cell at device (x, y),
    // turned by nEscapement tenths of a degree. False, with nothing drawn,
    // when a character or the turn is not one it can copy.
    bool Draw(const CTarget& target, int x, int y, int nEscapement, const std::string& text,
              QRgb color);

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
    const Glyph& At(Glyphs& glyphs, int nEscapement, unsigned char c) const;
    void Build(int nEscapement, unsigned char c, Glyph& g) const;
    Glyphs& SetFor(int nEscapement);
    static void Write(const CTarget& t, std::int64_t row, std::int64_t from, std::int64_t to,
                      QRgb color);

    QFont m_font;
    int m_nAscent, m_nReach;
    // Upright, and turned a quarter either way: turns Qt computes exactly.
    std::array<std::unique_ptr<Glyphs>, 4> m_turns;
    // Other turns, a few at a time, by escapement.
    static constexpr std::size_t kMaxAngles = 8;
    std::vector<std::pair<int, std::unique_ptr<Glyphs>>> m_angled;
};
