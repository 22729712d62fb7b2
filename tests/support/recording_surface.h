#pragma once
// A surface that draws nothing and writes down every figure, in device
// coordinates, as one line of text. Text is measured with fixed metrics: each
// character is the font's width wide and the text is the font's height high.
#include "model/surface.h"

#include <string>
#include <vector>

class CRecordingSurface final : public CSurface {
  public:
    std::vector<std::string> m_calls;

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
    void Record(const char* what, std::initializer_list<CPoint> pts, const std::string& tail = "");
    std::string State() const;
};
