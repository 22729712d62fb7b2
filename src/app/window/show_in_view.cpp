#include "app/window/show_in_view.h"

#include "app/window/child_frame.h"
#include "app/window/schemo_view.h"

#include <QMdiArea>

void SelectAndCentre(QMdiArea* mdi, CMyMDIChildWnd* child, const std::vector<CPrimitive*>& prims,
                     CPoint centre) {
    child->Document().SetSelection(prims);
    child->View()->ShowPoint(centre);
    mdi->setActiveSubWindow(child);
    child->View()->setFocus();
}
