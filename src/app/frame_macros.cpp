// The main window's macro bar: its commands, its width and the library watcher.
#include "app/main_frame.h"

#include "app/actions.h"
#include "app/library_watcher.h"
#include "app/macro_bar.h"
#include "doc/settings.h"
#include "view/macro_filter.h"

#include <QAction>
#include <QShortcut>

void CMainFrame::CreateMacroBar() {
    m_pMacroBar = new CMacroBar(this);
    addDockWidget(Qt::RightDockWidgetArea, m_pMacroBar);
    connect(m_pMacroBar, &CMacroBar::macroChosen, this, [this] {
        m_tools.ChooseMacroFromTree();
    });
    connect(m_pMacroBar, &CMacroBar::selectionChanged, this, [this] { UpdateCommands(); });
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    find->setContext(Qt::ApplicationShortcut);
    connect(find, &QShortcut::activated, m_pMacroBar, &CMacroBar::FocusFilter);
    m_pMacroBar->RefreshMacroTree();
    auto* watcher = new CLibraryWatcher(this);
    connect(watcher, &CLibraryWatcher::librariesChanged, m_pMacroBar, &CMacroBar::ReloadLibraries);
}

// "nMacrobarSize" sets the width whenever the bar is shown by the program.
void CMainFrame::ApplyMacroBarWidth() {
    const int nWidth = MacroBarWidth(g_settings.nMacrobarSize);
    if (m_pMacroBar->isFloating())
        m_pMacroBar->resize(nWidth, m_pMacroBar->height());
    else
        resizeDocks({m_pMacroBar}, {nWidth}, Qt::Horizontal);
}

void CMainFrame::OnMacroCommand(int nId) {
    switch (nId) {
    case ID_VIEW_MACRO_BAR:
        m_pMacroBar->setVisible(m_pMacroBar->isHidden());
        if (!m_pMacroBar->isHidden()) ApplyMacroBarWidth();
        break;
    case ID_REFRESH_MACROS:
        m_pMacroBar->ReloadLibraries();
        break;
    case ID_CONFIG:
        if (!m_pMacroBar->isHidden()) ApplyMacroBarWidth();
        break;
    }
}

void CMainFrame::UpdateMacroCommands() {
    m_pActions->Get(ID_VIEW_MACRO_BAR)->setChecked(!m_pMacroBar->isHidden());
    m_pActions->Get(ID_TOOL_MACRO)->setEnabled(m_pMacroBar->GetSelectedMacro().has_value());
}
