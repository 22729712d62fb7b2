#include "app/platform/document_file_watcher.h"

#include "app/frame/trace.h"
#include "app/window/child_frame.h"
#include "app/window/document_bar.h"
#include "qtlayer/qt_fontfaces.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>

namespace {
std::string Encoded(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
// The messages are in the program's code page.
std::string NameOf(const CMyMDIChildWnd& child) {
    return EncodeCp1252Lossy(child.Name());
}
bool IsActive() {
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}
} // namespace

CDocumentFileWatcher::CDocumentFileWatcher(CMyMDIChildWnd& child)
    : QObject(&child), m_child(child), m_pWatcher(new QFileSystemWatcher(this)) {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QUIET_MS);
    connect(&m_quiet, &QTimer::timeout, this, &CDocumentFileWatcher::Check);
    connect(m_pWatcher, &QFileSystemWatcher::fileChanged, this, [this] { m_quiet.start(); });
    connect(m_pWatcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_quiet.start(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive) return;
        m_watch.OnActivated(m_child.Document(), NameOf(m_child));
        m_child.Bar()->ShowTitle(); // a reload may bring another title
    });
    Remember(child.Path());
}

void CDocumentFileWatcher::Remember(const QString& path, const std::string* pWritten) {
    if (pWritten)
        m_watch.RememberSaved(Encoded(path), *pWritten);
    else
        m_watch.Remember(Encoded(path));
    const QStringList old = m_pWatcher->files() + m_pWatcher->directories();
    if (!old.isEmpty()) m_pWatcher->removePaths(old);
    if (path.isEmpty()) return;
    m_pWatcher->addPath(QFileInfo(path).absolutePath());
    if (QFileInfo::exists(path)) m_pWatcher->addPath(path);
}

bool CDocumentFileWatcher::MayOverwrite(const QString& path) {
    return m_watch.MayOverwrite(Encoded(path), m_child.Ui(), NameOf(m_child));
}

// A file renamed over or removed is no longer watched under its name.
void CDocumentFileWatcher::Check() {
    const QString path = QFile::decodeName(m_watch.Path().c_str());
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) && !m_pWatcher->files().contains(path)) m_pWatcher->addPath(path);
    TraceLine("DISK " + m_child.Name()); // before any question
    m_watch.OnFileEvent(IsActive(), m_child.Document(), NameOf(m_child));
    m_child.Bar()->ShowTitle();
}
