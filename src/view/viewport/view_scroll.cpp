// The scroll bars of a view: ranges in logical units on the 0..SHEET_SIZE
// sheet, arrows by one snap step, pages by one screen.
#include "view/viewport/view_coords.h"

#include <algorithm>
#include <cmath>

namespace {
std::int64_t Page(const CRect& visible, bool bVertical) {
    return bVertical ? std::int64_t(visible.bottom) - visible.top
                     : std::int64_t(visible.right) - visible.left;
}

std::int32_t PixelOffset(std::int32_t nPos, double dScale) {
    return ClampToInt32(std::int64_t(double(nPos) * dScale));
}
} // namespace

CScrollAxis CViewCoords::UpdateScrollBar(bool bVertical) {
    CScrollAxis a;
    if (m_bStretch) return a;
    const std::int64_t page = Page(VisibleRect(), bVertical);
    std::int32_t& nPos = bVertical ? m_ptScroll.y : m_ptScroll.x;
    // Only a position past the end is pulled back; one before 0 stays, and a
    // window wider than the sheet leaves the position alone.
    if (page < SHEET_SIZE && nPos + page > SHEET_SIZE) nPos = std::int32_t(SHEET_SIZE - page);
    a.bVisible = true;
    a.nPage = ClampToInt32(page);
    a.nLine = std::max(1, bVertical ? m_grid.nSnapY : m_grid.nSnapX);
    a.nPos = nPos;
    a.nMin = std::min(0, nPos);
    a.nMax =
        std::max<std::int32_t>(ClampToInt32(std::max<std::int64_t>(0, SHEET_SIZE - page)), nPos);
    return a;
}

int CViewCoords::ScrollDelta(int nCode, int nPos, int nPage, int nStep, int nThumb) {
    const std::int64_t pos = nPos, page = nPage, step = nStep, max = SHEET_SIZE - page;
    switch (nCode) {
    case SCROLL_LINE_BACK:
        return ClampToInt32(pos < step ? -pos : -step);
    case SCROLL_LINE_FORWARD:
        return ClampToInt32(pos > max - step ? max - pos : step);
    case SCROLL_PAGE_BACK:
        return ClampToInt32(pos < page ? -pos : -page);
    case SCROLL_PAGE_FORWARD:
        return ClampToInt32(pos > SHEET_SIZE - 2 * page ? max - pos : page);
    case SCROLL_THUMB_POSITION:
    case SCROLL_THUMB_TRACK:
        return ClampToInt32(std::int64_t(nThumb) - pos);
    default:
        return 0;
    }
}

int CViewCoords::OnScroll(bool bVertical, int nCode, int nThumb) {
    const std::int32_t nPage = ClampToInt32(Page(VisibleRect(), bVertical));
    std::int32_t& nPos = bVertical ? m_ptScroll.y : m_ptScroll.x;
    const int nStep = std::max(1, bVertical ? m_grid.nSnapY : m_grid.nSnapX);
    const std::int32_t nOld = PixelOffset(nPos, m_dScale);
    nPos = ClampToInt32(std::int64_t(nPos) + ScrollDelta(nCode, nPos, nPage, nStep, nThumb));
    return ClampToInt32(std::int64_t(nOld) - PixelOffset(nPos, m_dScale));
}

// A notch moves about WHEEL_PIXELS at any zoom, and only the way the wheel
// turned: it stops at 0 and at the sheet's end and never moves back from a
// position beyond them (the arrows' rule would, after a fit).
bool CViewCoords::OnWheel(bool bVertical, int nNotches) {
    if (m_bStretch || nNotches == 0) return false;
    const std::int64_t page = Page(VisibleRect(), bVertical);
    std::int32_t& nPos = bVertical ? m_ptScroll.y : m_ptScroll.x;
    const std::int64_t pos = nPos;
    const std::int64_t step = std::max<std::int64_t>(1, std::llround(WHEEL_PIXELS / m_dScale));
    const std::int64_t move = -step * nNotches;
    std::int64_t target = pos;
    if (move < 0 && pos > 0) target = std::max<std::int64_t>(0, pos + move);
    if (move > 0 && pos + page < SHEET_SIZE) target = std::min(SHEET_SIZE - page, pos + move);
    if (target == pos) return false;
    nPos = ClampToInt32(target);
    return true;
}
