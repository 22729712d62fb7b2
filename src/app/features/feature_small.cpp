#include "app/features/feature_small.h"

#include "app/dialogs/grid_dialog.h"
#include "app/window/child_frame.h"
#include "app/window/schemo_view.h"
#include "view/commands/view_commands.h"

namespace {
void EditGrid(CSchemoView& view) {
    CGridSnap edited = view.Coords().m_grid;
    if (!RunGridSnapDialog(&view, edited)) return;
    view.Coords().m_grid = edited;
    view.Redraw(false);
}
} // namespace

void CViewFeature::Run(int nId) {
    CMyMDIChildWnd* child = m_frame.ActiveChild();
    if (!child) return;
    CSchemoView& view = *child->View();
    switch (RunViewCommand(nId, view.Coords())) {
    case VIEW_ZOOMED:
        view.FollowCoords(true);
        break;
    case VIEW_SCROLLED:
        view.FollowCoords(false);
        break;
    case VIEW_FIT:
        view.FitToWindow();
        break;
    case VIEW_EDIT_GRID:
        EditGrid(view);
        break;
    case VIEW_MEASURE_ALL:
        view.Redraw(true);
        break;
    case VIEW_AS_IS:
        break;
    }
}
