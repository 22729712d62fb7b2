#pragma once
// The fonts of the Qt surfaces. A CFontSpec, sized through the surface's
// mapping, becomes a QFont and its metrics by the same rules on the screen,
// in bitmaps and in vector files, so that text measures and sits alike.
#include "model/surface.h"
#include "qtlayer/qt_glyph_masks.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRgb>
#include <QString>
#include <QTransform>

#include <map>
#include <memory>
#include <string>
#include <tuple>

class QPainter;

struct CQtFont {
    QFont font;
    // The same font, drawn and measured (metrics) without shaping where that
    // gives the same pixels: a raster font of a face without substitution,
    // positioning or kerning tables. Else the font itself; see DrawingFont.
    QFont unshaped;
    QFontMetrics metrics;
    QFontMetricsF metricsF;
    // The horizontal scale the text transform applies for the asked-for
    // average width, where the font itself cannot carry a stretch.
    double xScale = 1;
    bool bVector = false; // measured in fractions of a device unit
    unsigned nSerial = 0; // unique to each font made, never 0
    // The raster metrics, asked of Qt once: each question costs a font engine lookup.
    int nHeight = 0, nAscent = 0, nAveWidth = 0, nMaxWidth = 0;
    // The glyphs copied rather than laid out by Qt: set for an aliased raster
    // font drawn unshaped and without underline.
    std::shared_ptr<CGlyphMasks> pMasks;
};

class CQtFonts final {
  public:
    // Raster fonts are hinted and stretched to their width. Vector fonts are
    // unhinted, as the viewers of SVG and PDF files measure them, and reach
    // their width by xScale: an SVG file keeps no font stretch.
    CQtFonts(bool bAntialias, bool bVector);

    // The font of `asked` on a surface with mapping `map`; valid until the next call.
    const CQtFont& Get(const CFontSpec& asked, const CMapping& map);
    // The family drawn for a face: the default fixed-pitch face when the face
    // is empty, "*" or unknown to the system.
    QString ResolveFamily(const std::string& face);
    void Clear() {
        m_fonts.clear();
        m_families.clear();
    }

  private:
    using Key = std::tuple<std::string, int, int, int, bool, bool>;
    CQtFont Make(const Key& key);

    bool m_bAntialias;
    bool m_bVector;
    std::map<Key, CQtFont> m_fonts;
    std::map<std::string, QString> m_families;
};

// Device coordinates of the text cell: its upper-left corner at the origin,
// turned counter-clockwise on the screen by the escapement.
QTransform TextTransform(const CMapping& map, const CFontSpec& asked, int x, int y);

// Paints `text` with its cell's upper-left corner at the painter's origin,
// over the cell filled with *background unless that is null; bSetFont false
// when the painter already has the font.
void DrawTextCell(QPainter& painter, const CQtFont& font, const QString& text, COLORREF color,
                  const COLORREF* background, bool bSetFont = true);

// A COLORREF as an opaque pixel of a 32-bit image.
inline QRgb ToRgb(COLORREF c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// A character that only Qt's shaping passes over: the C0 controls, DEL, and
// the bytes Windows-1252 leaves undefined, read as C1 controls.
inline bool IsShapedOnly(QChar c) {
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

// What `text` is drawn in: the unshaped font unless the text holds control
// characters, which Qt's shaping alone passes over.
const QFont& DrawingFont(const CQtFont& font, const QString& text);
// The raster width of `text`, measured as it is drawn.
int TextAdvance(const CQtFont& font, const QString& text);

// The raster surfaces' fonts, one set per thread.
CQtFonts& RasterFonts();
