#pragma once
// A document's window inside the main window: the document, its file, its
// name, the view that shows it and the document bar above it. Created visible and maximised.
#include "app/platform/qt_document_ui.h"
#include "app/window/view_start.h"
#include "doc/document/document.h"

#include <QMdiSubWindow>

#include <memory>

class CDocumentBar;
class CDocumentFileWatcher;
class CSchemoView;
class IViewFrame;
class QAction;

class CMyMDIChildWnd final : public QMdiSubWindow, public IDocumentObserver {
    Q_OBJECT
  public:
    // The document comes loaded (or new and empty) with its name.
    // `origin` is the action of the document bar's first button; may be null.
    // `start` goes to the view.
    CMyMDIChildWnd(std::unique_ptr<CSchemoDoc> doc, const QString& path, const QString& name,
                   QAction* origin, IViewFrame* frame, QWidget* parent, CViewStart start = {});
    ~CMyMDIChildWnd() override;

    CSchemoDoc& Document() { return *m_pDoc; }
    const CSchemoDoc& Document() const { return *m_pDoc; }
    CSchemoView* View() { return m_pView; }
    CDocumentBar* Bar() { return m_pBar; }
    const QString& Path() const { return m_path; }
    // The name shown in the title: the file's name, or "Documento1" and the like.
    const QString& Name() const { return m_name; }
    void SetPath(const QString& path);
    IDocumentUi* Ui() { return &m_ui; }
    CDocumentFileWatcher* FileWatcher() { return m_pFileWatcher; }
    void OnDocumentChanged(const CDocChange& change) override;

  signals:
    void ModifiedChanged();
    // The selection or the history may have changed: the commands' enabling follows.
    void EditStateChanged();
    // Asked when the window closes with unsaved changes: true when it may close.
    void SaveRequested(CMyMDIChildWnd* child, bool* pbSaved);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<CSchemoDoc> m_pDoc;
    QString m_path;
    QString m_name;
    CQtDocumentUi m_ui;
    CSchemoView* m_pView;
    CDocumentBar* m_pBar;
    CDocumentFileWatcher* m_pFileWatcher;
};
