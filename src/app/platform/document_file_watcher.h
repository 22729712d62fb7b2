#pragma once
// Watches the file of one document window for changes by other programs,
// quiet for a moment like the library folders, and asks about them when the
// program is active. The file's folder is watched too: a file replaced by
// renaming, or removed and made again, is watched afresh.
#include "doc/files/disk_watch.h"

#include <QObject>
#include <QTimer>

class CMyMDIChildWnd;
class QFileSystemWatcher;

class CDocumentFileWatcher final : public QObject {
    Q_OBJECT
  public:
    static constexpr int QUIET_MS = 300;
    explicit CDocumentFileWatcher(CMyMDIChildWnd& child);
    // The document was read from `path` (empty: untitled), or wrote these
    // bytes to it.
    void Remember(const QString& path, const std::string* pWritten = nullptr);
    // Before a save to `path`: false when the user keeps the other program's file.
    bool MayOverwrite(const QString& path);

  private:
    void Check();

    CMyMDIChildWnd& m_child;
    QFileSystemWatcher* m_pWatcher;
    QTimer m_quiet;
    CDiskWatch m_watch;
};
