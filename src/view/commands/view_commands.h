#pragma once
// The view commands (stretch, fit, grid, snap, PCB mode, macro origin,
// refresh): what each changes of a view's coordinates, and what the view has
// to do after it.
#include "view/viewport/view_coords.h"

enum ViewFollowUp {
    VIEW_AS_IS,       // nothing shown changes (or no view command)
    VIEW_ZOOMED,      // the scale or the stretch changed: all of it is drawn again
    VIEW_SCROLLED,    // only the scroll position changed
    VIEW_FIT,         // to be fitted to the window, which the view measures
    VIEW_EDIT_GRID,   // the grid dialog is to be asked
    VIEW_MEASURE_ALL, // the extent measured again and all of it drawn again
};

ViewFollowUp RunViewCommand(int nId, CViewCoords& coords);
