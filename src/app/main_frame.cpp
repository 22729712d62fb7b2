#include "app/main_frame.h"

#include "app/actions.h"
#include "app/child_frame.h"
#include "app/macro_bar.h"
#include "app/schemo_view.h"
#include "app/settings_store.h"
#include "app/trace.h"
#include "view/action_table.h"
#include "view/document_kinds.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

CMainFrame* g_pMainFrame = nullptr;

// The icons live in a static library: its resources are linked in by hand.
static void InitResources() { Q_INIT_RESOURCE(tavolin); }

namespace {
const char* const kIdlePrompt = "Per informazioni, premere F1";
}

CMainFrame::CMainFrame()
    : m_pActions((InitResources(), new CActions(this, [this](int nId) { OnCommand(nId); }))), m_pMdi(new QMdiArea(this)) {
    g_pMainFrame = this;
    setWindowTitle("Tavolin");
    setWindowIcon(QIcon(":/icons/tavolin.svg"));
    setAcceptDrops(true);
    setCentralWidget(m_pMdi);
    m_pMdi->setViewMode(QMdiArea::SubWindowView);
    m_recent = SettingsStore::LoadRecentFiles();
    LoadLayerTable();
    CreateBars();
    m_tools.m_onChanged = [this](int nTool) { OnToolChanged(nTool); };
    connect(m_pMdi, &QMdiArea::subWindowActivated, this, [this] { OnActiveChanged(); });
    RestoreWindow();
    OnActiveChanged();
}

// The document windows go while the frame is still whole.
CMainFrame::~CMainFrame() {
    m_pMdi->disconnect(this);
    m_pMacroBar->disconnect(this);
    for (CMyMDIChildWnd* w : m_pMdi->findChildren<CMyMDIChildWnd*>()) w->disconnect(this);
    delete m_pMdi;
    g_pMainFrame = nullptr;
}

void CMainFrame::CreateBars() {
    m_pToolBar = addToolBar("Funzioni comuni");
    m_pToolBar->setObjectName("59392");
    m_pActions->FillToolBar(m_pToolBar, CommonToolbar());
    addToolBarBreak(); // a row of its own: at the first window's width the combo box would not fit
    m_pPrimitivesBar = addToolBar("Primitive di disegno");
    m_pPrimitivesBar->setObjectName("59402");
    m_pPrimitivesBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    m_pActions->FillToolBar(m_pPrimitivesBar, PrimitivesToolbar());
    CreateLayerCombo();
    m_pActions->Get(ID_TOOL_SELECT)->setChecked(true);
    // Keys of no menu item, or of items of only some menus, answer in every one.
    addActions({m_pActions->Get(ID_FILE_CLOSE), m_pActions->Get(ID_WINDOW_NEXT), m_pActions->Get(ID_WINDOW_PREV)});
    // Commands the window does not carry out yet stay off for the run.
    for (int id : {int(ID_HELP_FINDER), int(ID_CONTEXT_HELP)})
        m_pActions->Get(id)->setEnabled(false);
    m_pProgress = new QProgressBar(this);
    m_pProgress->setMaximumWidth(200);
    m_pProgress->setRange(0, 0);
    m_pProgress->hide();
    statusBar()->addPermanentWidget(m_pProgress);
    statusBar()->showMessage(kIdlePrompt);
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& m) {
        if (m.isEmpty()) statusBar()->showMessage(kIdlePrompt);
    });
    SetUpEditing();
    SetUpClipboard();
    CreateMacroBar();
    restoreState(SettingsStore::LoadBarState());
    ApplyMacroBarWidth();
}

void CMainFrame::RestoreWindow() {
    const QRect r = SettingsStore::LoadWindowRect();
    resize(r.size());
    move(r.topLeft());
}

// Whoever changes the tool (a button, a menu item, the view's Escape, the
// macro tree), the checked button and menu item follow it.
void CMainFrame::OnToolChanged(int nTool) {
    if (QAction* a = m_pActions->Get(ToolCommand(nTool))) a->setChecked(true);
    TraceLine(QString("TOOL %1").arg(nTool));
}

CMyMDIChildWnd* CMainFrame::ActiveChild() const {
    return qobject_cast<CMyMDIChildWnd*>(m_pMdi->activeSubWindow());
}

void CMainFrame::OnActiveChanged() {
    CMyMDIChildWnd* child = ActiveChild();
    // Another document coming forward ends a drag or a pending paste, as any
    // command does; a dialog taking the focus for a moment does not.
    if (child && child != m_pLastActive) {
        CancelDrags();
        m_pLastActive = child;
    }
    const int nKind =
        child ? DocumentKind(child->Document().GetDocKind()).nMenuBar : int(MENUBAR_NONE);
    if (nKind != m_nMenuKind) {
        m_nMenuKind = nKind;
        m_pActions->FillMenuBar(menuBar(), nKind, [this](int nList, QMenu* menu, QAction* anchor) {
            connect(menu, &QMenu::aboutToShow, this, [this, nList, menu, anchor] {
                nList == MENU_RECENT ? FillRecent(menu, anchor) : FillWindows(menu, anchor);
            });
        });
        for (QAction* a : menuBar()->actions())
            if (QMenu* m = a->menu()) connect(m, &QMenu::aboutToShow, this, [this] { UpdateCommands(); });
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::UpdateTitle() {
    const CMyMDIChildWnd* child = ActiveChild();
    const std::string name = child ? child->Name().toUtf8().toStdString() : std::string();
    const bool bModified = child && child->Document().IsModified();
    m_title = QString::fromUtf8(FrameTitle(name, bModified).c_str());
    setWindowTitle(m_title);
}

// A maximised document window adds its own name to the main window's title;
// the title stays "Tavolin - name".
void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange && !m_title.isEmpty() && windowTitle() != m_title)
        setWindowTitle(m_title);
    QMainWindow::changeEvent(event);
}

// Enabling follows the active document.
void CMainFrame::UpdateCommands() {
    CMyMDIChildWnd* child = ActiveChild();
    const bool bDoc = child != nullptr;
    for (int id : std::initializer_list<int>{ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_CLOSE, ID_WINDOW_NEXT,
                   ID_WINDOW_PREV, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ,
                   ID_WINDOW_TILE_VERT, ID_WINDOW_ARRANGE, ID_FIT, ID_REFRESH_DOCUMENT, ID_STRETCH,
                   ID_GRID, ID_SNAP, ID_PCB_MODE, ID_MACRO_ORIGIN})
        m_pActions->Get(id)->setEnabled(bDoc);
    for (int id : {int(ID_STRETCH), int(ID_SNAP), int(ID_PCB_MODE)})
        m_pActions->Get(id)->setChecked(bDoc && child->View()->IsChecked(id));
    for (int id : {int(ID_FILE_PRINT), int(ID_FILE_PRINT_PREVIEW), int(ID_FILE_EXPORT)})
        m_pActions->Get(id)->setEnabled(bDoc);
    m_pActions->Get(ID_EDIT_UNDO)->setEnabled(bDoc && child->Document().CanUndo());
    m_pActions->Get(ID_EDIT_REDO)->setEnabled(bDoc && child->Document().CanRedo());
    UpdateEditCommands(child);
    UpdateLibraryCommands(child);
    UpdateClipboardCommands(child);
    m_pActions->Get(ID_VIEW_TOOLBAR)->setChecked(m_pToolBar->isVisible());
    m_pActions->Get(ID_VIEW_STATUS_BAR)->setChecked(statusBar()->isVisible());
    m_pActions->Get(ID_VIEW_PRIMITIVES_BAR)->setChecked(m_pPrimitivesBar->isVisible());
    UpdateMacroCommands();
}

void CMainFrame::SaveState() {
    SettingsStore::SaveConfiguration();
    if (isMaximized() || isMinimized() || isFullScreen()) showNormal();
    SettingsStore::SaveWindowRect(QRect(pos(), size())); // as RestoreWindow places it
    SettingsStore::SaveBarState(saveState());
    SettingsStore::SaveRecentFiles(m_recent);
}

// The documents are asked about first; only a close that goes ahead stores
// the settings.
void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!CloseAllDocuments()) {
        event->ignore();
        return;
    }
    SaveState();
    event->accept();
}

bool CMainFrame::CloseAllDocuments() {
    for (QMdiSubWindow* w : m_pMdi->subWindowList()) {
        m_pMdi->setActiveSubWindow(w);
        if (!w->close()) return false;
    }
    return true;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) OpenFile(url.toLocalFile());
    event->acceptProposedAction();
}
