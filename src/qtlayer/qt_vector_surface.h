#pragma once
// A drawing surface over any QPainter (an image, an SVG generator, a PDF
// writer) that draws every figure as a vector path in device coordinates.
// Points stand for the centres of their device pixels, as on the raster
// surface; text keeps the raster surface's font rules and stays text where the
// device allows. Raster operations have no meaning on vector devices and are
// ignored. Nothing is drawn while the painter is inactive; measuring still works.
#include "model/surface.h"
#include "qtlayer/qt_fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

class CQtVectorSurface final : public CSurface {
  public:
    // dHairline: the width in device units of pens that are one pixel wide on
    // screen; 0 leaves them cosmetic, one device pixel.
    CQtVectorSurface(QPainter& painter, bool bAntialias, double dHairline);
    CQtVectorSurface(const CQtVectorSurface&) = delete;
    CQtVectorSurface& operator=(const CQtVectorSurface&) = delete;

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

  private:
    enum BoxShape { BOX_RECT, BOX_ELLIPSE, BOX_ROUND };

    QPointF Device(CPoint p) const;
    bool Box(int l, int t, int r, int b, QRectF& box) const;
    void DrawBox(int l, int t, int r, int b, BoxShape shape, QSizeF corner, bool bFill);
    double PenWidth() const;
    QPen MakePen() const;
    bool IsVisible(const QRectF& bounds) const;
    void Paint(const QPainterPath& path, bool bFill, bool bStroke);
    void DrawTextAt(const QTransform& xf, const std::string& text, bool bBackground);

    QPainter& m_painter;
    double m_dHairline;
    QRectF m_deviceRect;
    CQtFonts m_fonts;
};
