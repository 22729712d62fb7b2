#include "app/window/read_progress.h"

#include "app/frame/program_context.h"
#include "format/resolve_context.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QStatusBar>

#include <atomic>
#include <thread>

// The worker resolves its macros in private caches: the events handled
// meanwhile may reload the libraries.
CLoadedText ReadWithProgress(const QString& path, QStatusBar* status, QProgressBar* progress) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CLoadedText loaded;
    std::atomic<bool> bDone{false};
    const std::string file = QFile::encodeName(path).toStdString();
    CPrivateResolve resolve(g_library.context);
    std::thread worker([&] {
        loaded = ReadDocumentFile(file, resolve.Context());
        bDone = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!bDone) {
        if (clock.elapsed() > 500 && progress->isHidden()) {
            status->showMessage(QCoreApplication::translate("CReadProgress", "Apertura di %1...")
                                    .arg(QFileInfo(path).fileName()));
            progress->show();
        }
        QApplication::processEvents(
            QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, 20);
        if (!bDone) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    worker.join();
    resolve.Merge();
    progress->hide();
    status->clearMessage();
    QApplication::restoreOverrideCursor();
    return loaded;
}
