#include "app/feature_small.h"

#include "app/about_dialog.h"
#include "app/child_frame.h"
#include "app/schemo_view.h"

#include <QMainWindow>

void CViewFeature::Run(int nId) {
    if (CMyMDIChildWnd* child = m_frame.ActiveChild()) child->View()->OnViewCommand(nId);
}

void CHelpFeature::Run(int) {
    CAboutDlg(m_frame.Window()).exec();
}
