#pragma once
// A drawing surface on a QImage that renders like a classic device context:
// aliased, pixel for pixel, with raster operations. One QPainter stays open on
// the image for the surface's lifetime; it writes at once, so the pixels can be
// read at any time.
#include "model/raster/box_runs.h"
#include "model/raster/box_shapes.h"
#include "model/raster/clip.h"
#include "model/surface.h"
#include "qtlayer/qt_fonts.h"

#include <QBrush>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <vector>

class QImage;

class CQtSurface final : public CSurface {
  public:
    explicit CQtSurface(QImage& image);
    ~CQtSurface() override;
    CQtSurface(const CQtSurface&) = delete;
    CQtSurface& operator=(const CQtSurface&) = delete;

    void DrawLine(CPoint from, CPoint to) override;
    void SetPixel(int x, int y, COLORREF c) override;
    void Polygon(const CPoint* pts, int n) override;
    void Ellipse(int l, int t, int r, int b) override;
    void Rectangle(int l, int t, int r, int b) override;
    void RoundRect(int l, int t, int r, int b, int w, int h) override;
    void PolyBezier(const CPoint pts[4]) override;
    void EllipseOutline(int l, int t, int r, int b) override;

    CSize GetTextExtent(const std::string& text) override;
    CTextMetrics GetTextMetrics() override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextOutMirrored(int x, int y, const std::string& text) override;

    // Pens thinner than this many device pixels are drawn this wide: a screen
    // at a pixel ratio of 2 shows one-pixel lines two pixels wide.
    void SetMinPenPixels(int n) { m_nMinPenPixels = n; }

  private:
    struct PenKey {
        COLORREF color;
        int nDevWidth;
        bool bRound;
        bool operator!=(const PenKey& o) const {
            return color != o.color || nDevWidth != o.nDevWidth || bRound != o.bRound;
        }
    };

    CPointD Device(int x, int y) const;
    CPixelBox DeviceBox(int l, int t, int r, int b, std::int64_t ew, std::int64_t eh) const;
    CRectD NearBox() const;
    bool IsNear(const CRectD& bounds) const;
    bool Reaches(const QRectF& ink) const;
    int DevicePenWidth() const;
    void ApplyRop();
    // The painter's composition mode, kept here: asking Qt for it costs a call.
    void SetMode(QPainter::CompositionMode mode);
    const QPen& WidePen();
    const QPen& RunPen(QPen& cache, COLORREF c);

    void FlushRuns();
    bool WriteRuns(const CRunList& runs, COLORREF c);
    void PaintRuns(const CRunList& runs, QPen& pen, COLORREF c);
    void DrawBox(const CPixelBox& box, bool bFill, bool bStroke);
    void WriteShape(const CPixelBox& box, const std::vector<CShapeRun>& shape);
    void DrawWideLine(CPointD a, CPointD b);
    void WriteLine(CPoint a, CPoint b);
    void StrokeWidePolyline(const std::vector<CPointD>& line);
    void FillPolygon(const QPolygonF& poly);
    QPolygonF QtPolygon(bool bNear, double off) const;

    int m_nMinPenPixels = 1;
    const CQtFont& CurrentFont() { return m_fonts.Get(m_font, *this); }
    void DrawText(QPainter& painter, const CQtFont& font, const QString& text);
    bool CopiesGlyphs(const CQtFont& font, bool bMirror) const;

    QImage& m_image;
    const int m_nWidth, m_nHeight; // the image's, asked of Qt once
    const bool m_bRgb32;           // an image without alpha
    QPainter m_painter;
    QPainter::CompositionMode m_eMode = QPainter::CompositionMode_SourceOver;
    QRgb* m_pBits = nullptr; // the pixels of a 32-bit image, else null
    qsizetype m_nStride = 0; // in pixels
    QRectF m_imageRect;

    // Pixels of thin figures and of boxes, gathered as runs and written in one
    // go per colour.
    CRunList m_strokeRuns, m_fillRuns;
    // Kept per thread too: every part of a scene has the same dots and pads.
    CBoxShapes& m_boxShapes;
    std::vector<QLine> m_lines;
    // The last polygon's points in device pixels.
    std::vector<CPoint> m_points;
    std::vector<CPointD> m_devPoints;

    // The pens and brush last built, kept so that an unchanged selection costs
    // nothing per figure.
    PenKey m_penKey{0, -1, false};
    QPen m_widePen, m_strokeRunPen, m_fillRunPen;
    const QPen m_noPen{Qt::NoPen};
    const QBrush m_noBrush{Qt::NoBrush};
    CBrush m_brushKey;
    QBrush m_qbrush;

    // The fonts are kept per thread, as Qt keeps its font engines: a surface
    // made for each part of a scene finds them already measured.
    CQtFonts& m_fonts;
    unsigned m_nPainterFont = 0; // 2 × the serial of the font set on m_painter, + 1 if shaped
};
