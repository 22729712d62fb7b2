// The document windows in their opening order: the list of "Fi&nestra" and
// the walk of Ctrl+Tab and Ctrl+Shift+Tab; cascade, tile and the icons.
#include "app/feature_windows.h"

#include "app/child_frame.h"
#include "view/commands.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>

#include <algorithm>

namespace {
const char* const kWindowNumber = "window";

// One under the other (horizontally) or side by side (vertically).
void Tile(QMdiArea* mdi, bool bHorizontal) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : mdi->subWindowList())
        if (!w->isMinimized()) windows << w;
    if (windows.isEmpty()) return;
    const QRect area = mdi->viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        if (bHorizontal)
            windows[i]->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
        else
            windows[i]->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
    }
}

// Overlapping windows of three quarters of the area, each a title bar lower;
// a maximised window is given back its normal frame first.
void Cascade(QMdiArea* mdi) {
    const QRect area = mdi->viewport()->rect();
    const QSize size(area.width() * 3 / 4, area.height() * 3 / 4);
    int offset = 0;
    for (QMdiSubWindow* w : mdi->subWindowList()) {
        if (w->isMinimized()) continue;
        w->showNormal();
        w->setGeometry(QRect(QPoint(offset, offset), size));
        w->raise();
        offset = (offset + 24) % std::max(24, area.height() / 4);
    }
}

// The minimised windows in a row along the bottom.
void ArrangeIcons(QMdiArea* mdi) {
    int x = 0;
    for (QMdiSubWindow* w : mdi->subWindowList()) {
        if (!w->isMinimized()) continue;
        w->move(x, mdi->viewport()->height() - w->height());
        x += w->width();
    }
}
} // namespace

void CWindowsFeature::Run(int nId) {
    QMdiArea* mdi = m_frame.Mdi();
    switch (nId) {
    case ID_WINDOW_NEXT:
    case ID_WINDOW_PREV:
        StepWindow(nId == ID_WINDOW_NEXT);
        break;
    case ID_WINDOW_CASCADE:
        Cascade(mdi);
        break;
    case ID_WINDOW_TILE_HORZ:
        Tile(mdi, true);
        break;
    case ID_WINDOW_TILE_VERT:
        Tile(mdi, false);
        break;
    case ID_WINDOW_ARRANGE:
        ArrangeIcons(mdi);
        break;
    }
}

void CWindowsFeature::TrackWindow(CMyMDIChildWnd* child) {
    const int nWindow = ++m_nWindowsOpened;
    child->setProperty(kWindowNumber, nWindow);
    m_windowOrder.Add(nWindow);
    // The window's own menu would make Ctrl+W and Ctrl+F4 ambiguous.
    for (QAction* a : child->systemMenu()->actions())
        a->setShortcuts({});
    connect(child, &QObject::destroyed, this, [this, nWindow] { m_windowOrder.Remove(nWindow); });
}

CMyMDIChildWnd* CWindowsFeature::WindowChild(int nWindow) const {
    for (QMdiSubWindow* w : m_frame.Mdi()->subWindowList())
        if (w->property(kWindowNumber).toInt() == nWindow) return qobject_cast<CMyMDIChildWnd*>(w);
    return nullptr;
}

// Under X the area may keep the window that has the focus active: the focus
// goes along.
void CWindowsFeature::Activate(CMyMDIChildWnd* child) {
    m_frame.Mdi()->setActiveSubWindow(child);
    child->setFocus();
}

void CWindowsFeature::StepWindow(bool bForward) {
    const CMyMDIChildWnd* active = m_frame.ActiveChild();
    const int nActive = active ? active->property(kWindowNumber).toInt() : 0;
    if (CMyMDIChildWnd* next = WindowChild(m_windowOrder.Step(nActive, bForward))) Activate(next);
}

void CWindowsFeature::FillWindows(QMenu* menu, QAction* anchor) {
    for (QAction* a : menu->actions())
        if (a->property(kWindowNumber).isValid()) menu->removeAction(a), a->deleteLater();
    const CMyMDIChildWnd* active = m_frame.ActiveChild();
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
