#include "app/actions.h"

#include "view/action_table.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {
QList<QKeySequence> Keys(const char* pszKeys) {
    QList<QKeySequence> keys;
    for (const QString& k : QString(pszKeys).split(';', Qt::SkipEmptyParts)) keys << QKeySequence(k);
    return keys;
}
} // namespace

CActions::CActions(QObject* parent, std::function<void(int)> run)
    : QObject(parent), m_pTools(new QActionGroup(this)), m_run(std::move(run)) {
    m_pTools->setExclusive(true);
    for (const CActionSpec& a : ActionTable()) Create(a.nId, a.nId);
    Create(MENU_PASTE_NEW_DOCUMENT, MENU_PASTE_NEW_DOCUMENT);
}

QAction* CActions::Create(int nId, int nSpecId) {
    const CActionSpec* spec = FindAction(nSpecId);
    auto* a = new QAction(QString::fromUtf8(spec->pszCaption), this);
    a->setShortcuts(Keys(spec->pszKeys));
    a->setStatusTip(QString::fromUtf8(spec->pszPrompt));
    const QString tip = QString::fromUtf8(*spec->pszTip ? spec->pszTip : PlainCaption(spec->pszCaption).c_str());
    a->setToolTip(tip);
    if (*spec->pszIcon) a->setIcon(QIcon(QString(":/icons/%1.svg").arg(spec->pszIcon)));
    a->setCheckable((spec->nFlags & (ACT_CHECKABLE | ACT_TOOL)) != 0);
    if (spec->nFlags & ACT_TOOL) m_pTools->addAction(a);
    if (spec->nFlags & ACT_NO_HANDLER) a->setEnabled(false);
    a->setShortcutContext(Qt::ApplicationShortcut);
    const int nCommand = spec->nId;
    connect(a, &QAction::triggered, this, [this, nCommand] { m_run(nCommand); });
    m_actions[nId] = a;
    return a;
}

QAction* CActions::Get(int nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CActions::BuildMenu(const CMenuSpec& spec, QWidget* parent, const RecentPlace& recent) const {
    auto* menu = new QMenu(QString::fromUtf8(spec.pszCaption), parent);
    for (int id : spec.items) {
        if (id == 0) {
            menu->addSeparator();
        } else if (id == MENU_RECENT) {
            QAction* anchor = menu->addAction(QString());
            anchor->setVisible(false);
            if (recent) recent(menu, anchor);
        } else if (id == MENU_PASTE) {
            QMenu* paste = menu->addMenu(QString::fromUtf8("&Incolla"));
            paste->addAction(Get(ID_EDIT_PASTE));
            paste->addAction(Get(ID_PASTE_NEW_DOCUMENT));
        } else if (QAction* a = Get(id)) {
            menu->addAction(a);
        }
    }
    return menu;
}

void CActions::FillMenuBar(QMenuBar* bar, int nKind, const RecentPlace& recent) const {
    for (QAction* a : bar->actions())
        if (QMenu* m = a->menu()) m->deleteLater();
    bar->clear();
    for (const CMenuSpec& spec : MenuBar(nKind)) bar->addMenu(BuildMenu(spec, bar, recent));
}

void CActions::FillToolBar(QToolBar* bar, const std::vector<int>& ids) const {
    for (int id : ids) {
        if (id == 0)
            bar->addSeparator();
        else if (QAction* a = Get(id))
            bar->addAction(a);
    }
}
