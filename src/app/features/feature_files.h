#pragma once
// The documents' files: new, open (with progress for long reads), save, save
// as, close, exit and the recent files.
#include "app/frame/feature.h"
#include "app/window/view_start.h"
#include "view/commands/frame_state.h"

#include <QObject>
#include <QStringList>

#include <string>

class QAction;
class QMenu;
class QProgressBar;

class CFilesFeature final : public QObject, public IFeature {
    Q_OBJECT
  public:
    explicit CFilesFeature(IFrameServices& frame);
    ~CFilesFeature() override;

    void Run(int nId) override;
    // Opens a file as its extension says, or brings its window forward;
    // false (after the message) when it fails.
    bool OpenFile(const QString& path);
    CMyMDIChildWnd* NewDocument(int nDocKind);
    // A document an earlier run left unsaved, opened modified under its own
    // path (empty: untitled); null when the text is no document of its kind.
    CMyMDIChildWnd* OpenRecovered(int nDocKind, const std::string& text, const QString& path);
    bool Save(CMyMDIChildWnd* child);
    // What --zoom and --origin ask of the files opened from the command line.
    void SetOpenZoom(int nZoom, bool bOrigin, int x, int y);
    void FillRecent(QMenu* menu, QAction* anchor);
    const QStringList& Recent() const { return m_recent; }

  private:
    // Shows the document in a new window, maximised and active, at its first zoom.
    CMyMDIChildWnd* AddChild(std::unique_ptr<CSchemoDoc> doc, const QString& path,
                             const QString& name, CViewStart start = {});
    CMyMDIChildWnd* OpenDrawing(const QString& path, int nKind);
    CMyMDIChildWnd* OpenLibrary(const QString& path);
    CMyMDIChildWnd* FindOpen(const QString& path) const;
    bool SaveAs(CMyMDIChildWnd* child);
    bool Write(CMyMDIChildWnd* child, const QString& path);
    void ChooseNew();
    void ChooseOpen();
    void AddRecent(const QString& path);

    IFrameServices& m_frame;
    QProgressBar* m_pProgress;
    CUntitledNames m_untitled;
    int m_nNewLibraryCounter = 1; // "Nuova libreria N"
    QStringList m_recent;
    int m_nOpenZoom = 0;
    bool m_bOpenOrigin = false;
    int m_nOpenX = 0, m_nOpenY = 0;
};
