#pragma once
// The main window: it holds the features, the bars and the area of the
// document windows, routes each command to its feature through the command
// table and keeps the commands' enabling and checks.
#include "app/frame/feature.h"
#include "app/window/view_frame.h"
#include "view/commands/action_table.h"
#include "view/commands/frame_state.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class CMacroBar;
class QToolBar;

class CMainFrame final : public QMainWindow, private IFrameServices, private IViewFrame {
    Q_OBJECT
  public:
    CMainFrame();
    ~CMainFrame() override;

    void OnCommand(int nId);
    // Opens a file as its extension says; false (after the message) when it fails.
    bool OpenFile(const QString& path);
    CMyMDIChildWnd* NewDocument(int nDocKind) override;
    // A document an earlier run left unsaved: modified, under its own path.
    CMyMDIChildWnd* OpenRecovered(int nDocKind, const std::string& text, const QString& path);
    CMyMDIChildWnd* ActiveChild() const override;
    std::vector<CMyMDIChildWnd*> Documents() const override;
    CToolState& Tools();
    CMacroBar* MacroBar() const;
    int CurrentLayer() const override;
    // The steps of a close that goes ahead: settings, window, bars, recent files.
    void SaveState();
    // What --zoom and --origin ask of the files opened from the command line.
    void SetOpenZoom(int nZoom, bool bOrigin, int x, int y);
    // Once shown, before the files of the command line are opened.
    void Start();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void CreateBars();
    void CreateFeatures();
    void RestoreWindow();
    void OnToolChanged(int nTool);
    void FillMenuBar();
    void CancelDrags();
    bool CloseAllDocuments();
    CCommandState CommandState() const;
    template <class T> T& Get(int nFeature) const { return FeatureOf<T>(m_features, nFeature); }

    // What the features ask of the frame.
    QMainWindow* Window() override { return this; }
    QMdiArea* Mdi() override { return m_pMdi; }
    CActions& Actions() override { return *m_pActions; }
    IViewFrame& ViewFrame() override { return *this; }
    void ChildAdded(CMyMDIChildWnd* child) override;
    void ActiveChanged() override;
    void UpdateCommands() override;
    void UpdateTitle() override;

    // What the views ask of the frame.
    int CurrentTool() const override;
    std::string SelectedMacro() const override;
    void EscapeTool() override;
    void ShowContextMenu(const QPoint& ptGlobal, std::function<void()> onClosed) override;
    void RunCommand(int nId) override { OnCommand(nId); }

    CActions* m_pActions;
    QMdiArea* m_pMdi;
    QToolBar* m_pToolBar = nullptr;
    QToolBar* m_pPrimitivesBar = nullptr;
    int m_nMenuKind = 0;
    QString m_title;                        // the document windows may not change it
    QPointer<CMyMDIChildWnd> m_pLastActive; // the document window last brought forward

    FeatureList m_features; // by the table's feature
    bool m_bBuilt = false;
};
