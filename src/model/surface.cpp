#include "model/surface.h"

int CSurface::SetROP2(int nRop) {
    const int old = m_nRop;
    m_nRop = nRop;
    return old;
}

CPen CSurface::SelectPen(const CPen& pen) {
    const CPen old = m_pen;
    m_pen = pen;
    return old;
}

CBrush CSurface::SelectBrush(const CBrush& brush) {
    const CBrush old = m_brush;
    m_brush = brush;
    return old;
}

CFontSpec CSurface::SelectFont(const CFontSpec& font) {
    CFontSpec old = m_font;
    m_font = font;
    return old;
}

int CSurface::SetPolyFillMode(int nMode) {
    const int old = m_nPolyFillMode;
    m_nPolyFillMode = nMode;
    return old;
}

int CSurface::SetBkMode(int nMode) {
    const int old = m_nBkMode;
    m_nBkMode = nMode;
    return old;
}

COLORREF CSurface::SetTextColor(COLORREF c) {
    const COLORREF old = m_crText;
    m_crText = c;
    return old;
}

COLORREF CSurface::SetBkColor(COLORREF c) {
    const COLORREF old = m_crBk;
    m_crBk = c;
    return old;
}

void CSurface::LineTo(int x, int y) {
    DrawLine(m_current, {x, y});
    m_current = {x, y};
}
