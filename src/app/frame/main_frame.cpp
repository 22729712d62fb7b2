#include "app/frame/main_frame.h"

#include "app/bars/macro_bar.h"
#include "app/features/feature_autosave.h"
#include "app/features/feature_bars.h"
#include "app/features/feature_clipboard.h"
#include "app/features/feature_compare.h"
#include "app/features/feature_edit.h"
#include "app/features/feature_fab.h"
#include "app/features/feature_files.h"
#include "app/features/feature_help.h"
#include "app/features/feature_layers.h"
#include "app/features/feature_library.h"
#include "app/features/feature_macros.h"
#include "app/features/feature_print.h"
#include "app/features/feature_rules.h"
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

namespace {
struct CFeatureRow {
    Feature nFeature;
    std::unique_ptr<IFeature> (*make)(const CFeatureContext& c);
};

template <class T, class... A> std::unique_ptr<IFeature> Make(A&&... args) {
    return std::make_unique<T>(std::forward<A>(args)...);
}

// Made in this order, each after those it is given; gone in the reverse one.
const CFeatureRow kFeatures[] = {
    {FEATURE_TOOLS, [](const CFeatureContext&) { return Make<CToolsFeature>(); }},
    {FEATURE_FILES, [](const CFeatureContext& c) { return Make<CFilesFeature>(c.frame); }},
    {FEATURE_WINDOWS, [](const CFeatureContext& c) { return Make<CWindowsFeature>(c.frame); }},
    {FEATURE_EDIT, [](const CFeatureContext& c) { return Make<CEditFeature>(c.frame); }},
    {FEATURE_CLIPBOARD, [](const CFeatureContext& c) { return Make<CClipboardFeature>(c.frame); }},
    {FEATURE_LAYERS,
     [](const CFeatureContext& c) { return Make<CLayersFeature>(c.frame, c.pPrimitivesBar); }},
    {FEATURE_LIBRARY, [](const CFeatureContext& c) { return Make<CLibraryFeature>(c.frame); }},
    {FEATURE_MACROS,
     [](const CFeatureContext& c) {
         return Make<CMacrosFeature>(c.frame, c.Get<CToolsFeature>(FEATURE_TOOLS).Tools());
     }},
    {FEATURE_BARS,
     [](const CFeatureContext& c) {
         return Make<CBarsFeature>(c.frame, c.pCommonBar, c.pPrimitivesBar,
                                   c.Get<CMacrosFeature>(FEATURE_MACROS));
     }},
    {FEATURE_PRINT, [](const CFeatureContext& c) { return Make<CPrintFeature>(c.frame); }},
    {FEATURE_VIEW, [](const CFeatureContext& c) { return Make<CViewFeature>(c.frame); }},
    {FEATURE_HELP, [](const CFeatureContext& c) { return Make<CHelpFeature>(c.frame); }},
    {FEATURE_COMPARE, [](const CFeatureContext& c) { return Make<CCompareFeature>(c.frame); }},
    {FEATURE_RULES,
     [](const CFeatureContext& c) { return Make<CRulesFeature>(c.frame, c.settings); }},
    {FEATURE_FABRICATION,
     [](const CFeatureContext& c) {
         return Make<CFabFeature>(c.frame, c.settings, c.Get<CRulesFeature>(FEATURE_RULES));
     }},
    {FEATURE_AUTOSAVE,
     [](const CFeatureContext& c) {
         return Make<CAutosaveFeature>(c.frame, c.Get<CFilesFeature>(FEATURE_FILES), c.settings);
     }},
};
} // namespace

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
    Get<CMacrosFeature>(FEATURE_MACROS).ApplyWidth();
    connect(m_pMdi, &QMdiArea::subWindowActivated, this, [this] { ActiveChanged(); });
    RestoreWindow();
    ActiveChanged();
}

// The document windows go while the frame is still whole.
CMainFrame::~CMainFrame() {
    for (const CFeatureRow& row : kFeatures)
        m_features[row.nFeature]->End();
    m_pMdi->disconnect(this);
    for (CMyMDIChildWnd* w : m_pMdi->findChildren<CMyMDIChildWnd*>())
        w->disconnect(this);
    delete m_pMdi;
    m_bBuilt = false;
    for (auto row = std::rbegin(kFeatures); row != std::rend(kFeatures); ++row)
        m_features[row->nFeature].reset();
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
    m_features.resize(FEATURE_COUNT);
    const CFeatureContext context{*this, g_settings, m_pToolBar, m_pPrimitivesBar, m_features};
    for (const CFeatureRow& row : kFeatures)
        m_features[row.nFeature] = row.make(context);
    Get<CToolsFeature>(FEATURE_TOOLS).Tools().m_onChanged = [this](int nTool) {
        OnToolChanged(nTool);
    };
    m_bBuilt = true;
}

void CMainFrame::Start() {
    for (const CFeatureRow& row : kFeatures)
        m_features[row.nFeature]->Start();
}

void CMainFrame::RestoreWindow() {
    const QRect r = SettingsStore::LoadWindowRect();
    resize(r.size());
    move(r.topLeft());
}

void CMainFrame::OnCommand(int nId) {
    // A modal dialog may be showing primitives that a cut or an undo would
    // free under it; the program-wide shortcuts can still reach here then.
    if (QApplication::activeModalWidget()) return;
    const CActionDef* def = FindAction(nId);
    IFeature* feature = def ? m_features[std::size_t(def->nFeature)].get() : nullptr;
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
    s.bClipboardText = Get<CClipboardFeature>(FEATURE_CLIPBOARD).HasText();
    s.bMacroChosen = Get<CMacrosFeature>(FEATURE_MACROS).Bar()->GetSelectedMacro().has_value();
    s.nTool = Get<CToolsFeature>(FEATURE_TOOLS).Tools().Current();
    s.bToolBar = m_pToolBar->isVisible();
    s.bStatusBar = statusBar()->isVisible();
    s.bPrimitivesBar = m_pPrimitivesBar->isVisible();
    s.bMacroBar = Get<CMacrosFeature>(FEATURE_MACROS).IsShown();
    return s;
}

CMyMDIChildWnd* CMainFrame::ActiveChild() const {
    return qobject_cast<CMyMDIChildWnd*>(m_pMdi->activeSubWindow());
}

std::vector<CMyMDIChildWnd*> CMainFrame::Documents() const {
    std::vector<CMyMDIChildWnd*> children;
    for (QMdiSubWindow* w : m_pMdi->subWindowList())
        if (auto* c = qobject_cast<CMyMDIChildWnd*>(w)) children.push_back(c);
    return children;
}

void CMainFrame::ChildAdded(CMyMDIChildWnd* child) {
    Get<CWindowsFeature>(FEATURE_WINDOWS).TrackWindow(child);
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
            nList == MENU_RECENT ? Get<CFilesFeature>(FEATURE_FILES).FillRecent(menu, anchor)
                                 : Get<CWindowsFeature>(FEATURE_WINDOWS).FillWindows(menu, anchor);
        });
    });
    for (QAction* a : menuBar()->actions())
        if (QMenu* m = a->menu())
            connect(m, &QMenu::aboutToShow, this, [this] { UpdateCommands(); });
}

void CMainFrame::CancelDrags() {
    for (CMyMDIChildWnd* c : Documents())
        c->View()->CancelDrag();
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
    return Get<CFilesFeature>(FEATURE_FILES).OpenFile(path);
}
CMyMDIChildWnd* CMainFrame::NewDocument(int nDocKind) {
    return Get<CFilesFeature>(FEATURE_FILES).NewDocument(nDocKind);
}
CMyMDIChildWnd* CMainFrame::OpenRecovered(int nDocKind, const std::string& text,
                                          const QString& path) {
    return Get<CFilesFeature>(FEATURE_FILES).OpenRecovered(nDocKind, text, path);
}
void CMainFrame::SetOpenZoom(int nZoom, bool bOrigin, int x, int y) {
    Get<CFilesFeature>(FEATURE_FILES).SetOpenZoom(nZoom, bOrigin, x, y);
}
CToolState& CMainFrame::Tools() {
    return Get<CToolsFeature>(FEATURE_TOOLS).Tools();
}
CMacroBar* CMainFrame::MacroBar() const {
    return Get<CMacrosFeature>(FEATURE_MACROS).Bar();
}
int CMainFrame::CurrentLayer() const {
    return Get<CLayersFeature>(FEATURE_LAYERS).CurrentLayer();
}
int CMainFrame::CurrentTool() const {
    return Get<CToolsFeature>(FEATURE_TOOLS).Tools().Current();
}
std::string CMainFrame::SelectedMacro() const {
    return Get<CMacrosFeature>(FEATURE_MACROS).SelectedMacro();
}
void CMainFrame::EscapeTool() {
    Get<CToolsFeature>(FEATURE_TOOLS).Tools().Escape();
}
void CMainFrame::ShowContextMenu(const QPoint& ptGlobal, std::function<void()> onClosed) {
    Get<CEditFeature>(FEATURE_EDIT).ShowContextMenu(ptGlobal, std::move(onClosed));
}

void CMainFrame::SaveState() {
    SettingsStore::SaveConfiguration();
    if (isMaximized() || isMinimized() || isFullScreen()) showNormal();
    SettingsStore::SaveWindowRect(QRect(pos(), size())); // as RestoreWindow places it
    SettingsStore::SaveBarState(saveState());
    SettingsStore::SaveRecentFiles(Get<CFilesFeature>(FEATURE_FILES).Recent());
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
