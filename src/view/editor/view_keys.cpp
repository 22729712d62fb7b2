// The keys that choose a tool, zoom and fit while nothing is dragged. The
// command table says which letter chooses which tool.
#include "view/editor/view_controller.h"

#include "view/commands/action_table.h"
#include "view/editor/view_host.h"

namespace {
std::string KeyName(int nKey) {
    if (nKey == KEY_HOME) return "Home";
    if (nKey >= 'a' && nKey <= 'z') nKey -= 'a' - 'A';
    if (nKey >= 'A' && nKey <= 'Z') return std::string(1, char(nKey));
    return std::string();
}
} // namespace

// "+" and "-" zoom about the pointer, or about the middle of the window when
// the pointer is elsewhere; the zoom out divides, so that "+" then "-" gives
// the scale back.
bool CViewController::OnIdleKey(int nKey) {
    if (!IsIdle()) return false;
    if (nKey == '+' || nKey == '-') {
        const CSize client = m_coords.GetClientSize();
        const CPoint ptPointer = m_host.PointerPosition();
        const bool bOver = ptPointer.x >= 0 && ptPointer.y >= 0 && ptPointer.x < client.cx &&
                           ptPointer.y < client.cy;
        const CPoint at = bOver ? ptPointer : CPoint{client.cx / 2, client.cy / 2};
        const double s = m_coords.GetScale();
        m_coords.ZoomAbout(at, nKey == '+' ? s * ZOOM_STEP : s / ZOOM_STEP);
        m_host.ViewMoved(true);
        if (bOver) FollowPointer(at, m_bShiftHeld);
        return true;
    }
    const std::string name = KeyName(nKey);
    const int nId = name.empty() ? 0 : ShownKeyCommand(name);
    if (!nId) return false;
    m_host.RunCommand(nId);
    UpdateIdleCursor(m_ptLastDevice);
    return true;
}
