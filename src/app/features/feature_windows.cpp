// The document windows in their opening order: the list of "Fi&nestra" and
// the walk of Ctrl+Tab and Ctrl+Shift+Tab; cascade, tile and the icons.
#include "app/features/feature_windows.h"

#include "app/window/child_frame.h"
#include "view/commands/commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>

#include <algorithm>

namespace {
const char* const kWindowItem = "windowItem"; // marks the list's own items

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

// The subwindows' own menus would make Ctrl+W and Ctrl+F4 ambiguous.
void CWindowsFeature::TrackWindow(CMyMDIChildWnd* child) {
    for (QAction* a : child->systemMenu()->actions())
        a->setShortcuts({});
}

// Under X the area may keep the window that has the focus active: the focus
// goes along.
void CWindowsFeature::Activate(QMdiSubWindow* window) {
    m_frame.Mdi()->setActiveSubWindow(window);
    window->setFocus();
}

void CWindowsFeature::StepWindow(bool bForward) {
    const QList<QMdiSubWindow*> windows = m_frame.Mdi()->subWindowList(); // opening order
    const int nActive = int(windows.indexOf(m_frame.Mdi()->activeSubWindow()));
    const int nNext = WindowStep(nActive, int(windows.size()), bForward);
    if (nNext >= 0) Activate(windows[nNext]);
}

void CWindowsFeature::FillWindows(QMenu* menu, QAction* anchor) {
    for (QAction* a : menu->actions())
        if (a->property(kWindowItem).isValid()) menu->removeAction(a), a->deleteLater();
    const QList<QMdiSubWindow*> windows = m_frame.Mdi()->subWindowList();
    for (int i = 0; i < int(windows.size()); ++i) {
        const auto* child = qobject_cast<CMyMDIChildWnd*>(windows[i]);
        if (!child) continue;
        const std::string caption = WindowMenuCaption(std::size_t(i), child->Name().toStdString());
        auto* a = new QAction(QString::fromStdString(caption), menu);
        a->setProperty(kWindowItem, true);
        a->setStatusTip(QCoreApplication::translate("CFeatureWindows", "Attiva questa finestra"));
        a->setCheckable(true);
        a->setChecked(windows[i] == m_frame.Mdi()->activeSubWindow());
        QPointer<QMdiSubWindow> window = windows[i];
        connect(a, &QAction::triggered, this, [this, window] {
            if (window) Activate(window);
        });
        menu->insertAction(anchor, a);
    }
}
