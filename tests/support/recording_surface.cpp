#include "support/recording_surface.h"

#include <cstdio>

std::string CRecordingSurface::State() const {
    char buf[96];
    std::snprintf(buf, sizeof buf, " rop=%d pen=%06x/%d brush=%s", m_nRop, unsigned(m_pen.color),
                  m_pen.nWidth, m_brush.bHollow ? "none" : "");
    std::string s = buf;
    if (!m_brush.bHollow) {
        std::snprintf(buf, sizeof buf, "%06x", unsigned(m_brush.color));
        s += buf;
    }
    return s;
}

void CRecordingSurface::Record(const char* what, std::initializer_list<CPoint> pts,
                               const std::string& tail) {
    std::string s = what;
    for (const CPoint& p : pts) {
        const CPoint d = LPtoDP(p);
        s += ' ' + std::to_string(d.x) + ',' + std::to_string(d.y);
    }
    m_calls.push_back(s + tail);
}

void CRecordingSurface::DrawLine(CPoint from, CPoint to) {
    Record("line", {from, to}, State());
}

void CRecordingSurface::SetPixel(int x, int y, COLORREF c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, " %06x", unsigned(c));
    Record("pixel", {CPoint{x, y}}, buf);
}

void CRecordingSurface::Polygon(const CPoint* pts, int n) {
    std::string s = "polygon";
    for (int i = 0; i < n; ++i) {
        const CPoint d = LPtoDP(pts[i]);
        s += ' ' + std::to_string(d.x) + ',' + std::to_string(d.y);
    }
    m_calls.push_back(s + State());
}

void CRecordingSurface::Ellipse(int l, int t, int r, int b) {
    Record("ellipse", {CPoint{l, t}, CPoint{r, b}}, State());
}

void CRecordingSurface::Rectangle(int l, int t, int r, int b) {
    Record("rectangle", {CPoint{l, t}, CPoint{r, b}}, State());
}

void CRecordingSurface::RoundRect(int l, int t, int r, int b, int w, int h) {
    Record("roundrect", {CPoint{l, t}, CPoint{r, b}},
           " " + std::to_string(w) + "x" + std::to_string(h) + State());
}

void CRecordingSurface::PolyBezier(const CPoint pts[4]) {
    Record("bezier", {pts[0], pts[1], pts[2], pts[3]}, State());
}

void CRecordingSurface::EllipseOutline(int l, int t, int r, int b) {
    Record("arc", {CPoint{l, t}, CPoint{r, b}}, State());
}

CSize CRecordingSurface::GetTextExtent(const std::string& text) {
    return {ClampToInt32(std::int64_t(text.size()) * m_font.nWidth), m_font.nHeight};
}

CTextMetrics CRecordingSurface::GetTextMetrics() {
    const std::int64_t h = m_font.nHeight, ascent = h * 4 / 5;
    return {m_font.nHeight, ClampToInt32(ascent), ClampToInt32(h - ascent), m_font.nWidth};
}

void CRecordingSurface::TextOut(int x, int y, const std::string& text) {
    Record("text", {CPoint{x, y}}, " \"" + text + "\" esc=" + std::to_string(m_font.nEscapement));
}

void CRecordingSurface::TextOutMirrored(int x, int y, const std::string& text) {
    Record("mirrored-text", {CPoint{x, y}}, " \"" + text + "\"");
}
