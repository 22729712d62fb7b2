#pragma once
// Watches the library folders on the user-interface thread and says once
// that the libraries changed after the folders have been quiet for a moment,
// so that a library still being copied is read whole, and only once.
#include "format/library_watch.h"

#include <QObject>
#include <QTimer>

class QFileSystemWatcher;

class CLibraryWatcher final : public QObject {
    Q_OBJECT
  public:
    static constexpr int QUIET_MS = 500;
    explicit CLibraryWatcher(QObject* parent, int nQuietMs = QUIET_MS);
    // Watches what the library folders hold now.
    void Resync();

  signals:
    void librariesChanged();

  private:
    void OnChange(const QString& path);

    QFileSystemWatcher* m_pWatcher;
    QTimer m_quiet;
    CLibraryWatchSet m_set;
};
