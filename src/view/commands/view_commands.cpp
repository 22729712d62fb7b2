#include "view/commands/view_commands.h"

#include "view/commands/commands.h"

ViewFollowUp RunViewCommand(int nId, CViewCoords& coords) {
    switch (nId) {
    case ID_STRETCH:
        coords.ToggleStretch();
        return VIEW_ZOOMED;
    case ID_FIT:
        return VIEW_FIT;
    case ID_GRID:
        return VIEW_EDIT_GRID;
    case ID_SNAP:
        coords.m_grid.bSnap = !coords.m_grid.bSnap;
        return VIEW_AS_IS;
    case ID_PCB_MODE:
        coords.m_bPCBMode = !coords.m_bPCBMode;
        return VIEW_AS_IS;
    case ID_MACRO_ORIGIN:
        coords.GoToMacroOrigin();
        return VIEW_SCROLLED;
    case ID_REFRESH_DOCUMENT:
        return VIEW_MEASURE_ALL;
    default:
        return VIEW_AS_IS;
    }
}
