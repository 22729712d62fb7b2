#include "app/frame/actions.h"

#include "qtlayer/qt_translate.h"
#include "view/commands/action_table.h"
#include "view/commands/command_help.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {
const char* const kCommands = "Comandi";

QList<QKeySequence> Keys(const char* pszKeys) {
    QList<QKeySequence> keys;
    for (const QString& k : QString(pszKeys).split(';', Qt::SkipEmptyParts))
        keys << QKeySequence(k);
    return keys;
}
} // namespace

CActions::CActions(QObject* parent, std::function<void(int)> run)
    : QObject(parent), m_pTools(new QActionGroup(this)), m_run(std::move(run)) {
    m_pTools->setExclusive(true);
    for (const CActionDef& a : ActionTable())
        Create(&a);
}

void CActions::Create(const CActionDef* def) {
    const QString caption = TrCore(kCommands, def->pszCaption);
    auto* a = new QAction(caption, this);
    a->setShortcuts(Keys(ActionKeys(*def, UiShowsEnglish())));
    a->setStatusTip(TrCore(kCommands, def->pszPrompt));
    a->setToolTip(*def->pszTip ? TrCore(kCommands, def->pszTip)
                               : QString::fromUtf8(PlainCaption(caption.toUtf8().constData())));
    if (const char* pszHelp = CommandHelp(def->nId))
        a->setWhatsThis(QCoreApplication::translate("CommandHelp", pszHelp));
    if (*def->pszIcon) a->setIcon(QIcon(QString(":/icons/%1.svg").arg(def->pszIcon)));
    a->setCheckable(def->pChecked != nullptr);
    if (def->nFeature == FEATURE_TOOLS) m_pTools->addAction(a);
    a->setShortcutContext(Qt::ApplicationShortcut);
    const int nCommand = def->nId;
    connect(a, &QAction::triggered, this, [this, nCommand] { m_run(nCommand); });
    m_actions[nCommand] = a;
}

QAction* CActions::Get(int nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CActions::BuildMenu(const CMenuDef& def, QWidget* parent, const ListPlace& lists) const {
    auto* menu = new QMenu(TrCore(kCommands, def.pszCaption), parent);
    for (int id : def.items) {
        if (id == 0) {
            menu->addSeparator();
        } else if (id == MENU_RECENT || id == MENU_WINDOWS) {
            QAction* anchor = menu->addAction(QString());
            anchor->setVisible(false);
            if (lists) lists(id, menu, anchor);
        } else if (id == MENU_PASTE) {
            QMenu* paste =
                menu->addMenu(TrCore(kCommands, QT_TRANSLATE_NOOP("Comandi", "&Incolla")));
            paste->addAction(Get(ID_EDIT_PASTE));
            paste->addAction(Get(ID_PASTE_NEW_DOCUMENT));
        } else if (QAction* a = Get(id)) {
            menu->addAction(a);
        }
    }
    return menu;
}

void CActions::FillMenuBar(QMenuBar* bar, int nKind, const ListPlace& lists) const {
    for (QAction* a : bar->actions())
        if (QMenu* m = a->menu()) m->deleteLater();
    bar->clear();
    for (const CMenuDef& def : MenuBar(nKind))
        bar->addMenu(BuildMenu(def, bar, lists));
}

void CActions::FillToolBar(QToolBar* bar, const std::vector<int>& ids) const {
    for (int id : ids) {
        if (id == 0)
            bar->addSeparator();
        else if (QAction* a = Get(id))
            bar->addAction(a);
    }
}
