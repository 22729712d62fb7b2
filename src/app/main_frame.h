#pragma once
// The main window: the document windows, the menus, the two toolbars, the
// status bar, the current tool, the recent files and the settings' life.
#include "view/frame_state.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <memory>

class CActions;
class CMacroBar;
class CQtClipboard;

class CLayerCombo;
class CMyMDIChildWnd;
class CSchemoDoc;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QAction;
class QToolBar;
class QProgressBar;
class QPrinter;
struct CLoadedText;

class CMainFrame final : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    void OnCommand(int nId);
    // Opens a file as its extension says; false (after the message) when it fails.
    bool OpenFile(const QString& path);
    CMyMDIChildWnd* NewDocument(int nDocKind);
    CMyMDIChildWnd* ActiveChild() const;
    CToolState& Tools() { return m_tools; }
    CMacroBar* MacroBar() const { return m_pMacroBar; }
    // The steps of a close that goes ahead: settings, window, bars, recent files.
    void SaveState();
    // What --zoom and --origin ask of the files opened from the command line.
    void SetOpenZoom(int nZoom, bool bOrigin, int x, int y);
    // The layer new primitives go on: 0 at every launch, never stored.
    int CurrentLayer() const { return m_nCurrentLayer; }
    // The view's context menu at a point of the screen.
    void ShowContextMenu(const QPoint& ptGlobal);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateBars();
    void RestoreWindow();
    void OnToolChanged(int nTool);
    void OnActiveChanged();
    void UpdateTitle();
    void UpdateCommands();
    void FillRecent(QMenu* menu, QAction* anchor);
    // The document windows in their opening order (frame_windows.cpp).
    void TrackWindow(CMyMDIChildWnd* child);
    CMyMDIChildWnd* WindowChild(int nWindow) const;
    void StepWindow(bool bForward);
    void Activate(CMyMDIChildWnd* child);
    void FillWindows(QMenu* menu, QAction* anchor);
    CWindowOrder m_windowOrder;
    int m_nWindowsOpened = 0;
    void AddRecent(const QString& path);
    // Shows the document in a new window, maximised and active, at its first zoom.
    CMyMDIChildWnd* AddChild(std::unique_ptr<CSchemoDoc> doc, const QString& path, const QString& name);
    CLoadedText ReadWithProgress(const QString& path);
    CMyMDIChildWnd* OpenDrawing(const QString& path, int nKind);
    bool Save(CMyMDIChildWnd* child);
    bool SaveAs(CMyMDIChildWnd* child);
    void ChooseNew();
    void ChooseOpen();
    bool CloseAllDocuments();

    CActions* m_pActions;
    QMdiArea* m_pMdi;
    QToolBar* m_pToolBar;
    QToolBar* m_pPrimitivesBar;
    QProgressBar* m_pProgress;
    int m_nMenuKind = 0;
    CToolState m_tools;
    CUntitledNames m_untitled;
    QStringList m_recent;
    int m_nOpenZoom = 0;
    bool m_bOpenOrigin = false;
    int m_nOpenX = 0, m_nOpenY = 0;
    QString m_title; // the document windows may not change it
    QPointer<CMyMDIChildWnd> m_pLastActive; // the document window last brought forward
    std::unique_ptr<QPrinter> m_pPrinter; // chosen with "Imposta stampante...", kept for the run
    void PrinterSetup();
    // Print, preview and picture export (frame_print.cpp).
    void OnPrintCommand(int nId);

    // Editing (frame_edit.cpp).
    void SetUpEditing();
    void CancelDrags();
    bool OnEditCommand(int nId, CMyMDIChildWnd* child);
    void UpdateEditCommands(CMyMDIChildWnd* child);

    // Library documents and the "Libreria" menu (frame_library.cpp).
    CMyMDIChildWnd* NewLibrary();
    CMyMDIChildWnd* OpenLibrary(const QString& path);
    bool OnLibraryCommand(int nId, CMyMDIChildWnd* child);
    void UpdateLibraryCommands(CMyMDIChildWnd* child);
    int m_nNewLibraryCounter = 1; // "Nuova libreria N"
    // The clipboard (frame_clipboard.cpp).
    void SetUpClipboard();
    bool OnClipboardCommand(int nId, CMyMDIChildWnd* child);
    void PasteAsNewDocument();
    void UpdateClipboardCommands(CMyMDIChildWnd* child);
    CQtClipboard* m_pClipboard = nullptr;

    // The macro bar (frame_macros.cpp).
    void CreateMacroBar();
    void ApplyMacroBarWidth();
    void OnMacroCommand(int nId);
    void UpdateMacroCommands();
    CMacroBar* m_pMacroBar = nullptr;

    // The layers (frame_layers.cpp).
    void LoadLayerTable();
    void CreateLayerCombo();
    void OnLayerChosen(int nIndex);
    void RunLayerDialog();
    void AfterLayerChange();
    void TraceLayer();
    CLayerCombo* m_pLayerCombo = nullptr;
    int m_nCurrentLayer = 0;
};

extern CMainFrame* g_pMainFrame;
