#include "app/window/document_tabs.h"

#include "app/frame/trace.h"

#include <QMdiArea>

void ShowDocumentsAsTabs(QMdiArea* mdi, bool bTabs) {
    mdi->setViewMode(bTabs ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    mdi->setTabsClosable(true);
    mdi->setTabsMovable(true);
    TraceLine(QString("TABBED %1").arg(bTabs ? 1 : 0));
}
