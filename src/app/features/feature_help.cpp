#include "app/features/feature_help.h"

#include "app/dialogs/about_dialog.h"
#include "app/dialogs/message_box.h"
#include "app/frame/trace.h"
#include "doc/document/document_ui.h"
#include "qtlayer/qt_translate.h"
#include "view/commands/commands.h"
#include "view/program/manual_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QWhatsThis>

namespace {
// xdg-open answers once the browser has the page (or, on a bare X server,
// once the browser it started ends): a failure is told whenever it comes.
void Launch(QWidget* parent, const QString& index) {
    // Owned by no window: closing the program leaves the browser alone.
    auto* process = new QProcess;
    const QPointer<QWidget> window = parent;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const auto fail = [window, process, index](const char* pszWhy) {
        process->deleteLater();
        if (window)
            ShowMessageBox(
                window, QMessageBox::Warning, TrMessage(CAPTION_ATTENTION),
                QCoreApplication::translate("CHelpFeature", pszWhy) + "\n" +
                    QCoreApplication::translate("CHelpFeature", "La guida e' nel file\n%1")
                        .arg(index));
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [fail](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            fail(QT_TRANSLATE_NOOP("CHelpFeature", "Impossibile aprire la guida: manca il "
                                                   "programma xdg-open, che la apre nel browser."));
    });
    QObject::connect(process, &QProcess::finished, process,
                     [fail, process](int nCode, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit && nCode == 0)
                             process->deleteLater();
                         else
                             fail(QT_TRANSLATE_NOOP("CHelpFeature",
                                                    "Impossibile aprire la guida: il sistema non "
                                                    "ha un browser che la mostri."));
                     });
    process->start("xdg-open", {index});
}
} // namespace

void CHelpFeature::Run(int nId) {
    switch (nId) {
    case ID_APP_ABOUT:
        CAboutDlg(m_frame.Window()).exec();
        break;
    case ID_CONTEXT_HELP:
        QWhatsThis::enterWhatsThisMode();
        break;
    default: // the topics, F1 and the default help all open the manual
        OpenManual();
    }
}

// The desktop chooses the browser; the program only hands over the file.
void CHelpFeature::OpenManual() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    const std::string found = FindManualIndex(exeDir.toStdString(), [](const std::string& p) {
        return QFileInfo(QString::fromStdString(p)).isFile();
    });
    if (found.empty()) {
        const QString expected = QDir::cleanPath(exeDir + "/../" + kManualFolder + "/index.html");
        ShowMessageBox(m_frame.Window(), QMessageBox::Critical, TrMessage(CAPTION_ERROR),
                       QCoreApplication::translate("CHelpFeature",
                                                   "La guida non e' installata: manca il file\n%1")
                           .arg(expected));
        return;
    }
    const QString index = QFileInfo(QString::fromStdString(found)).canonicalFilePath();
    TraceLine("HELP " + index);
    Launch(m_frame.Window(), index);
}
