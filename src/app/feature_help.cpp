#include "app/feature_help.h"

#include "app/about_dialog.h"
#include "app/message_box.h"
#include "app/trace.h"
#include "view/commands.h"
#include "view/manual_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QWhatsThis>

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
        ShowMessageBox(m_frame.Window(), QMessageBox::Critical, "Errore",
                       QCoreApplication::translate("CHelpFeature",
                                                   "La guida non e' installata: manca il file\n%1")
                           .arg(expected));
        return;
    }
    const QString index = QFileInfo(QString::fromStdString(found)).canonicalFilePath();
    TraceLine("HELP " + index);
    if (!QProcess::startDetached("xdg-open", {index}))
        ShowMessageBox(m_frame.Window(), QMessageBox::Warning, "Attenzione",
                       QCoreApplication::translate(
                           "CHelpFeature",
                           "Impossibile aprire la guida: il programma xdg-open, che la mostra "
                           "nel browser, non e' disponibile.\nLa guida e' nel file\n%1")
                           .arg(index));
}
