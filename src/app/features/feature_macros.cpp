// The macro bar: its tree of the libraries' macros, its width, its commands
// and the watcher of the library folders.
#include "app/features/feature_macros.h"

#include "app/bars/macro_bar.h"
#include "app/frame/program_context.h"
#include "app/platform/library_watcher.h"
#include "doc/document/settings.h"
#include "view/commands/commands.h"
#include "view/commands/frame_state.h"
#include "view/forms/macro_filter.h"

#include <QMainWindow>
#include <QShortcut>

CMacrosFeature::CMacrosFeature(IFrameServices& frame, CToolState& tools)
    : m_frame(frame), m_pMacroBar(new CMacroBar(frame.Window())) {
    QMainWindow* window = frame.Window();
    window->addDockWidget(Qt::RightDockWidgetArea, m_pMacroBar);
    connect(m_pMacroBar, &CMacroBar::macroChosen, this, [&tools] { tools.ChooseMacroFromTree(); });
    connect(m_pMacroBar, &CMacroBar::selectionChanged, this, [&frame] { frame.UpdateCommands(); });
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), window);
    find->setContext(Qt::ApplicationShortcut);
    connect(find, &QShortcut::activated, m_pMacroBar, &CMacroBar::FocusFilter);
    m_pMacroBar->RefreshMacroTree();
    auto* watcher = new CLibraryWatcher(window);
    connect(watcher, &CLibraryWatcher::librariesChanged, m_pMacroBar, &CMacroBar::ReloadLibraries);
}

void CMacrosFeature::Run(int nId) {
    if (nId == ID_REFRESH_MACROS) {
        m_pMacroBar->ReloadLibraries();
        return;
    }
    m_pMacroBar->setVisible(m_pMacroBar->isHidden()); // ID_VIEW_MACRO_BAR
    ApplyWidthIfShown();
}

bool CMacrosFeature::IsShown() const {
    return !m_pMacroBar->isHidden();
}

std::string CMacrosFeature::SelectedMacro() const {
    return m_pMacroBar->GetSelectedMacro().value_or(std::string());
}

void CMacrosFeature::ApplyWidth() {
    const int nWidth = MacroBarWidth(g_settings.nMacrobarSize);
    if (m_pMacroBar->isFloating())
        m_pMacroBar->resize(nWidth, m_pMacroBar->height());
    else
        m_frame.Window()->resizeDocks({m_pMacroBar}, {nWidth}, Qt::Horizontal);
}

void CMacrosFeature::ApplyWidthIfShown() {
    if (IsShown()) ApplyWidth();
}
