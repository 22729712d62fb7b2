#include "app/platform/library_watcher.h"
#include "app/frame/program_context.h"

#include "format/program_dir.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QSet>

namespace {
QSet<QString> Paths(const CLibraryWatchSet& set) {
    QSet<QString> out;
    for (const auto* list : {&set.folders, &set.contents, &set.files})
        for (const std::string& p : *list)
            out.insert(QFile::decodeName(p.c_str()));
    return out;
}
} // namespace

CLibraryWatcher::CLibraryWatcher(QObject* parent, int nQuietMs)
    : QObject(parent), m_pWatcher(new QFileSystemWatcher(this)) {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(nQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, [this] {
        Resync();
        emit librariesChanged();
    });
    connect(m_pWatcher, &QFileSystemWatcher::directoryChanged, this, &CLibraryWatcher::OnChange);
    connect(m_pWatcher, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
        m_pWatcher->removePath(path); // a file replaced under its name is watched afresh
        OnChange(path);
    });
    Resync();
}

// A new file or folder is not watched yet, and one that went is dropped:
// the watched paths are brought up to date at every change.
void CLibraryWatcher::Resync() {
    m_set = LibraryWatchSet(g_library.folders);
    const QSet<QString> wanted = Paths(m_set);
    QSet<QString> watched;
    QStringList stale, fresh;
    for (const QString& p : m_pWatcher->files() + m_pWatcher->directories()) {
        watched.insert(p);
        if (!wanted.contains(p)) stale << p;
    }
    for (const QString& p : wanted)
        if (!watched.contains(p)) fresh << p;
    if (!stale.isEmpty()) m_pWatcher->removePaths(stale);
    if (!fresh.isEmpty()) m_pWatcher->addPaths(fresh);
}

// Every change that matters starts the quiet period again.
void CLibraryWatcher::OnChange(const QString& path) {
    const CLibraryWatchSet before = m_set;
    Resync();
    if (ChangeAffectsTree(QFile::encodeName(path).toStdString(), before, m_set)) m_quiet.start();
}
