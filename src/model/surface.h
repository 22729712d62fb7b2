#pragma once
// The drawing surface the primitives speak to. It keeps the state a primitive
// sets and restores (raster operation, pen, brush, font, text colours) and the
// mapping; a backend draws the figures. Coordinates given to the figures are
// logical and pass through the mapping.
#include "model/geometry.h"
#include "model/mapping.h"

#include <string>

enum RasterOp { R2_NOTXORPEN = 10, R2_COPYPEN = 13 };
enum BkMode { TRANSPARENT = 1, OPAQUE = 2 };

struct CPen {
    COLORREF color = 0;
    int nWidth = 0;      // logical units; 0 draws one device pixel at any scale
    bool bRound = false; // geometric pen with round ends (PCB tracks)
    bool bNull = false;
};

struct CBrush {
    bool bHollow = true;
    COLORREF color = RGB(255, 255, 255);
};

// A font as asked for: sizes in logical units, escapement in tenths of a degree
// counter-clockwise. An empty face or "*" asks for the default fixed-pitch face.
struct CFontSpec {
    std::string face;
    int nHeight = 0;
    int nWidth = 0;
    int nEscapement = 0;
    int nWeight = 400;
    bool bItalic = false;
    bool bUnderline = false;
    bool operator==(const CFontSpec& o) const {
        return face == o.face && nHeight == o.nHeight && nWidth == o.nWidth &&
               nEscapement == o.nEscapement && nWeight == o.nWeight && bItalic == o.bItalic &&
               bUnderline == o.bUnderline;
    }
};

struct CTextMetrics {
    int nHeight = 0, nAscent = 0, nDescent = 0, nAveCharWidth = 0;
};

class CSurface : public CMapping {
  public:
    virtual ~CSurface() = default;

    int SetROP2(int nRop);
    int GetROP2() const { return m_nRop; }
    CPen SelectPen(const CPen& pen);
    CBrush SelectBrush(const CBrush& brush);
    CFontSpec SelectFont(const CFontSpec& font);
    const CFontSpec& GetFont() const { return m_font; }
    const CPen& GetPen() const { return m_pen; }
    const CBrush& GetBrush() const { return m_brush; }
    int SetPolyFillMode(int nMode);
    int SetBkMode(int nMode);
    COLORREF SetTextColor(COLORREF c);
    COLORREF SetBkColor(COLORREF c);
    void MoveTo(int x, int y) { m_current = {x, y}; }
    void LineTo(int x, int y);

    bool IsPrinting() const { return m_bPrinting; }
    void SetPrinting(bool b) { m_bPrinting = b; }

    // Figures, in logical coordinates. A line leaves out its end pixel; SetPixel
    // ignores the raster operation; boxes exclude their right and bottom edges.
    virtual void DrawLine(CPoint from, CPoint to) = 0;
    virtual void SetPixel(int x, int y, COLORREF c) = 0;
    virtual void Polygon(const CPoint* pts, int n) = 0;
    virtual void Ellipse(int l, int t, int r, int b) = 0;
    virtual void Rectangle(int l, int t, int r, int b) = 0;
    virtual void RoundRect(int l, int t, int r, int b, int w, int h) = 0;
    virtual void PolyBezier(const CPoint pts[4]) = 0;
    virtual void EllipseOutline(int l, int t, int r, int b) = 0; // full-circle arc

    // Text in the selected font, the cell's upper-left corner at (x, y), turned
    // by the font's escapement about that corner. Extents are logical.
    virtual CSize GetTextExtent(const std::string& text) = 0;
    virtual CTextMetrics GetTextMetrics() = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // The same text reflected about the vertical line through x, combined with
    // the target by AND so that only the glyphs darken it.
    virtual void TextOutMirrored(int x, int y, const std::string& text) = 0;

  protected:
    int m_nRop = R2_COPYPEN;
    int m_nPolyFillMode = 1; // ALTERNATE
    int m_nBkMode = OPAQUE;
    COLORREF m_crText = 0;
    COLORREF m_crBk = RGB(255, 255, 255);
    CPen m_pen;
    CBrush m_brush;
    CFontSpec m_font;
    CPoint m_current{0, 0};
    bool m_bPrinting = false;
};
