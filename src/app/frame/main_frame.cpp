#include "app/frame/main_frame.h"

#include "app/bars/macro_bar.h"
#include "app/features/feature_bars.h"
#include "app/features/feature_clipboard.h"
#include "app/features/feature_compare.h"
#include "app/features/feature_edit.h"
#include "app/features/feature_files.h"
#include "app/features/feature_help.h"
#include "app/features/feature_layers.h"
#include "app/features/feature_library.h"
#include "app/features/feature_macros.h"
#include "app/features/feature_print.h"
#include "app/features/feature_small.h"
#include "app/features/feature_windows.h"
#include "app/frame/actions.h"
#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "app/platform/settings_store.h"
#include "app/window/child_frame.h"
#include "app/window/document_tabs.h"
#include "app/window/schemo_view.h"
#include "doc/document/settings.h"
#include "view/forms/document_kinds.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

// The icons live in a static library: its resources are linked in by hand.
static void InitResources() {
    Q_INIT_RESOURCE(tavolin);
}

CMainFrame::CMainFrame()
    : m_pActions((InitResources(), new CActions(this, [this](int nId) { OnCommand(nId); }))),
      m_pMdi(new QMdiArea(this)) {
    setWindowTitle("Tavolin");
    setWindowIcon(QIcon(":/icons/tavolin.svg"));
    setAcceptDrops(true);
    setCentralWidget(m_pMdi);
    ShowDocumentsAsTabs(m_pMdi, g_settings.bTabbedView != 0);
    CreateBars();
    CreateFeatures();
    restoreState(SettingsStore::LoadBarState());
    m_pMacros->ApplyWidth();
    connect(m_pMdi, &QMdiArea::subWindowActivated, this, [this] { ActiveChanged(); });
    RestoreWindow();
    ActiveChanged();
}

// The document windows go while the frame is still whole.
CMainFrame::~CMainFrame() {
    m_pMdi->disconnect(this);
    for (CMyMDIChildWnd* w : m_pMdi->findChildren<CMyMDIChildWnd*>())
        w->disconnect(this);
    delete m_pMdi;
    m_bBuilt = false;
}

void CMainFrame::CreateBars() {
    m_pToolBar = addToolBar(QCoreApplication::translate("CMainFrame", "Funzioni comuni"));
    m_pToolBar->setObjectName("59392");
    m_pActions->FillToolBar(m_pToolBar, CommonToolbar());
    addToolBarBreak(); // a row of its own: at the first window's width the combo box would not fit
    m_pPrimitivesBar =
        addToolBar(QCoreApplication::translate("CMainFrame", "Primitive di disegno"));
    m_pPrimitivesBar->setObjectName("59402");
    m_pPrimitivesBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    m_pActions->FillToolBar(m_pPrimitivesBar, PrimitivesToolbar());
    // Keys of no menu item, or of items of only some menus, answer in every one.
    addActions({m_pActions->Get(ID_FILE_CLOSE), m_pActions->Get(ID_WINDOW_NEXT),
                m_pActions->Get(ID_WINDOW_PREV), m_pActions->Get(ID_HELP),
                m_pActions->Get(ID_CONTEXT_HELP)});
    connect(qApp, &QApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive) CancelDrags();
    });
}

void CMainFrame::CreateFeatures() {
    IFrameServices& frame = *this;
    m_pTools = std::make_unique<CToolsFeature>();
    m_pFiles = std::make_unique<CFilesFeature>(frame);
    m_pWindows = std::make_unique<CWindowsFeature>(frame);
    m_pEdit = std::make_unique<CEditFeature>(frame);
    m_pClipboard = std::make_unique<CClipboardFeature>(frame);
    m_pLayers = std::make_unique<CLayersFeature>(frame, m_pPrimitivesBar);
    m_pLibrary = std::make_unique<CLibraryFeature>(frame);
    m_pMacros = std::make_unique<CMacrosFeature>(frame, m_pTools->Tools());
    m_pBars = std::make_unique<CBarsFeature>(frame, m_pToolBar, m_pPrimitivesBar, *m_pMacros);
    m_pPrint = std::make_unique<CPrintFeature>(frame);
    m_pViewCommands = std::make_unique<CViewFeature>(frame);
    m_pHelp = std::make_unique<CHelpFeature>(frame);
    m_pCompare = std::make_unique<CCompareFeature>(frame);
    // By the table's feature, whatever the order of the enumeration.
    m_features[FEATURE_FILES] = m_pFiles.get();
    m_features[FEATURE_EDIT] = m_pEdit.get();
    m_features[FEATURE_CLIPBOARD] = m_pClipboard.get();
    m_features[FEATURE_VIEW] = m_pViewCommands.get();
    m_features[FEATURE_BARS] = m_pBars.get();
    m_features[FEATURE_MACROS] = m_pMacros.get();
    m_features[FEATURE_LAYERS] = m_pLayers.get();
    m_features[FEATURE_LIBRARY] = m_pLibrary.get();
    m_features[FEATURE_PRINT] = m_pPrint.get();
    m_features[FEATURE_WINDOWS] = m_pWindows.get();
    m_features[FEATURE_HELP] = m_pHelp.get();
    m_features[FEATURE_TOOLS] = m_pTools.get();
    m_features[FEATURE_COMPARE] = m_pCompare.get();
    m_pTools->Tools().m_onChanged = [this](int nTool) { OnToolChanged(nTool); };
    m_bBuilt = true;
}

void CMainFrame::RestoreWindow() {
    const QRect r = SettingsStore::LoadWindowRect();
    resize(r.size());
    move(r.topLeft());
}

void CMainFrame::OnCommand(int nId) {
    const CActionDef* def = FindAction(nId);
    IFeature* feature = def ? m_features[std::size_t(def->nFeature)] : nullptr;
    if (!feature) {
        Beep();
        return;
    }
    // A drag holds primitives out of the drawing: it ends, as Escape ends it,
    // before a command can save, undo or delete without them.
    CMyMDIChildWnd* child = ActiveChild();
    if (child && def->nFeature != FEATURE_TOOLS) child->View()->CancelDrag();
    feature->Run(nId);
    UpdateCommands();
    TraceLine(QString("COMMAND %1").arg(nId));
}

// Whoever changes the tool (a button, a menu item, the view's Escape, the
// macro tree), the checked button and menu item follow it.
void CMainFrame::OnToolChanged(int nTool) {
    if (CMyMDIChildWnd* child = ActiveChild()) child->View()->ToolChanged();
    UpdateCommands();
    TraceLine(QString("TOOL %1").arg(nTool));
}

// Enabling and checks follow the state, taken once for all the commands.
void CMainFrame::UpdateCommands() {
    if (!m_bBuilt) return;
    const CCommandState s = CommandState();
    for (const CActionDef& def : ActionTable()) {
        QAction* a = m_pActions->Get(def.nId);
        a->setEnabled(IsEnabled(def, s));
        if (def.pChecked) a->setChecked(IsChecked(def, s));
    }
}

CCommandState CMainFrame::CommandState() const {
    CCommandState s;
    if (CMyMDIChildWnd* child = ActiveChild()) {
        const CSchemoDoc& doc = child->Document();
        s.nDocKind = doc.GetDocKind();
        s.nSelected = doc.Selection().size();
        s.bDragging = !child->View()->IsIdle();
        s.bCanUndo = doc.CanUndo();
        s.bCanRedo = doc.CanRedo();
        const CViewCoords& coords = child->View()->Coords();
        s.bStretch = coords.m_bStretch;
        s.bSnap = coords.m_grid.bSnap;
        s.bPCBMode = coords.m_bPCBMode;
    }
    s.bClipboardText = m_pClipboard->HasText();
    s.bMacroChosen = m_pMacros->Bar()->GetSelectedMacro().has_value();
    s.nTool = m_pTools->Tools().Current();
    s.bToolBar = m_pToolBar->isVisible();
    s.bStatusBar = statusBar()->isVisible();
    s.bPrimitivesBar = m_pPrimitivesBar->isVisible();
    s.bMacroBar = m_pMacros->IsShown();
    return s;
}

CMyMDIChildWnd* CMainFrame::ActiveChild() const {
    return qobject_cast<CMyMDIChildWnd*>(m_pMdi->activeSubWindow());
}

void CMainFrame::ChildAdded(CMyMDIChildWnd* child) {
    m_pWindows->TrackWindow(child);
    connect(child, &CMyMDIChildWnd::ModifiedChanged, this, [this] { UpdateTitle(); });
    connect(child, &CMyMDIChildWnd::EditStateChanged, this, [this, child] {
        if (child == ActiveChild()) UpdateCommands();
    });
    connect(child, &QObject::destroyed, this, [this] { ActiveChanged(); });
    child->View()->m_onStatus = [this](const QString& text) { statusBar()->showMessage(text); };
}

void CMainFrame::ActiveChanged() {
    CMyMDIChildWnd* child = ActiveChild();
    // Another document coming forward ends a drag or a pending paste, as any
    // command does; a dialog taking the focus for a moment does not.
    if (child && child != m_pLastActive) {
        CancelDrags();
        m_pLastActive = child;
    }
    FillMenuBar();
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::FillMenuBar() {
    const CMyMDIChildWnd* child = ActiveChild();
    const int nKind =
        child ? DocumentKind(child->Document().GetDocKind()).nMenuBar : int(MENUBAR_NONE);
    if (nKind == m_nMenuKind) return;
    m_nMenuKind = nKind;
    m_pActions->FillMenuBar(menuBar(), nKind, [this](int nList, QMenu* menu, QAction* anchor) {
        connect(menu, &QMenu::aboutToShow, this, [this, nList, menu, anchor] {
            nList == MENU_RECENT ? m_pFiles->FillRecent(menu, anchor)
                                 : m_pWindows->FillWindows(menu, anchor);
        });
    });
    for (QAction* a : menuBar()->actions())
        if (QMenu* m = a->menu())
            connect(m, &QMenu::aboutToShow, this, [this] { UpdateCommands(); });
}

void CMainFrame::CancelDrags() {
    for (QMdiSubWindow* w : m_pMdi->subWindowList())
        if (auto* c = qobject_cast<CMyMDIChildWnd*>(w)) c->View()->CancelDrag();
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
    if (event->type() == QEvent::WindowTitleChange && !m_title.isEmpty() &&
        windowTitle() != m_title)
        setWindowTitle(m_title);
    QMainWindow::changeEvent(event);
}

bool CMainFrame::OpenFile(const QString& path) {
    return m_pFiles->OpenFile(path);
}
CMyMDIChildWnd* CMainFrame::NewDocument(int nDocKind) {
    return m_pFiles->NewDocument(nDocKind);
}
CMyMDIChildWnd* CMainFrame::OpenRecovered(int nDocKind, const std::string& text,
                                          const QString& path) {
    return m_pFiles->OpenRecovered(nDocKind, text, path);
}
void CMainFrame::SetOpenZoom(int nZoom, bool bOrigin, int x, int y) {
    m_pFiles->SetOpenZoom(nZoom, bOrigin, x, y);
}
CToolState& CMainFrame::Tools() {
    return m_pTools->Tools();
}
CMacroBar* CMainFrame::MacroBar() const {
    return m_pMacros->Bar();
}
int CMainFrame::CurrentLayer() const {
    return m_pLayers->CurrentLayer();
}
int CMainFrame::CurrentTool() const {
    return m_pTools->Tools().Current();
}
std::string CMainFrame::SelectedMacro() const {
    return m_pMacros->SelectedMacro();
}
void CMainFrame::EscapeTool() {
    m_pTools->Tools().Escape();
}
void CMainFrame::ShowContextMenu(const QPoint& ptGlobal, std::function<void()> onClosed) {
    m_pEdit->ShowContextMenu(ptGlobal, std::move(onClosed));
}

void CMainFrame::SaveState() {
    SettingsStore::SaveConfiguration();
    if (isMaximized() || isMinimized() || isFullScreen()) showNormal();
    SettingsStore::SaveWindowRect(QRect(pos(), size())); // as RestoreWindow places it
    SettingsStore::SaveBarState(saveState());
    SettingsStore::SaveRecentFiles(m_pFiles->Recent());
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
