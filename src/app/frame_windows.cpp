// The document windows in their opening order: the list of "Fi&nestra" and
// the walk of Ctrl+Tab and Ctrl+Shift+Tab.
#include "app/main_frame.h"

#include "app/actions.h"
#include "app/child_frame.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>

namespace {
const char* const kWindowNumber = "window";
}

void CMainFrame::TrackWindow(CMyMDIChildWnd* child) {
    const int nWindow = ++m_nWindowsOpened;
    child->setProperty(kWindowNumber, nWindow);
    m_windowOrder.Add(nWindow);
    // The window's own menu would make Ctrl+W and Ctrl+F4 ambiguous.
    for (QAction* a : child->systemMenu()->actions())
        a->setShortcuts({});
    connect(child, &QObject::destroyed, this, [this, nWindow] { m_windowOrder.Remove(nWindow); });
}

CMyMDIChildWnd* CMainFrame::WindowChild(int nWindow) const {
    for (QMdiSubWindow* w : m_pMdi->subWindowList())
        if (w->property(kWindowNumber).toInt() == nWindow) return qobject_cast<CMyMDIChildWnd*>(w);
    return nullptr;
}

// Under X the area may keep the window that has the focus active: the focus
// goes along.
void CMainFrame::Activate(CMyMDIChildWnd* child) {
    m_pMdi->setActiveSubWindow(child);
    child->setFocus();
}

void CMainFrame::StepWindow(bool bForward) {
    const CMyMDIChildWnd* active = ActiveChild();
    const int nActive = active ? active->property(kWindowNumber).toInt() : 0;
    if (CMyMDIChildWnd* next = WindowChild(m_windowOrder.Step(nActive, bForward))) Activate(next);
}

void CMainFrame::FillWindows(QMenu* menu, QAction* anchor) {
    for (QAction* a : menu->actions())
        if (a->property(kWindowNumber).isValid()) menu->removeAction(a), a->deleteLater();
    const CMyMDIChildWnd* active = ActiveChild();
    const std::vector<int>& windows = m_windowOrder.Windows();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const CMyMDIChildWnd* child = WindowChild(windows[i]);
        if (!child) continue;
        const std::string caption = WindowMenuCaption(i, child->Name().toStdString());
        auto* a = new QAction(QString::fromStdString(caption), menu);
        a->setProperty(kWindowNumber, windows[i]);
        a->setStatusTip("Attiva questa finestra");
        a->setCheckable(true);
        a->setChecked(child == active);
        const int nWindow = windows[i];
        connect(a, &QAction::triggered, this, [this, nWindow] {
            if (CMyMDIChildWnd* c = WindowChild(nWindow)) Activate(c);
        });
        menu->insertAction(anchor, a);
    }
}
