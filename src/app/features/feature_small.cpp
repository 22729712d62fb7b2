#include "app/features/feature_small.h"

#include "app/window/child_frame.h"
#include "app/window/schemo_view.h"

void CViewFeature::Run(int nId) {
    if (CMyMDIChildWnd* child = m_frame.ActiveChild()) child->View()->OnViewCommand(nId);
}
