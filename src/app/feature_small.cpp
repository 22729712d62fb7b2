#include "app/feature_small.h"

#include "app/child_frame.h"
#include "app/schemo_view.h"

void CViewFeature::Run(int nId) {
    if (CMyMDIChildWnd* child = m_frame.ActiveChild()) child->View()->OnViewCommand(nId);
}
