// The main window with the offscreen platform: a pending paste ended by
// another document, the settings dialog's refusal, and a
// close that is cancelled writing nothing, a reload of the libraries while a
// drawing opens.
#include "../doc/fake_ui.h"
#include "app_test_util.h"
#include "app/child_frame.h"
#include "app/config_dialog.h"
#include "app/library_watcher.h"
#include "app/main_frame.h"
#include "app/program_context.h"
#include "app/schemo_view.h"
#include "doc/settings.h"
#include "format/library_files.h"
#include "format/macro_cache.h"
#include "format/program_dir.h"
#include "format/reader.h"
#include "format/resolve.h"
#include "view/commands.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sys/stat.h>

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { IsolateSettings(); }
    void cleanup() {
        QSettings().clear();
        g_settings = CSettings();
    }

    void aPendingPasteEndsWhenAnotherDocumentComesForward() {
        CMainFrame frame;
        CMyMDIChildWnd* first = frame.NewDocument(DOC_DRAWING);
        CMyMDIChildWnd* second = frame.NewDocument(DOC_DRAWING);
        first->mdiArea()->setActiveSubWindow(first);
        CPrimitiveList pasted;
        pasted.push_back(ParsePrimitiveLine("LI 10 10 20 20"));
        first->View()->StartPaste(std::move(pasted));
        QVERIFY(!first->View()->IsIdle());
        second->mdiArea()->setActiveSubWindow(second);
        QVERIFY(first->View()->IsIdle());
        QVERIFY(first->Document().Primitives().empty());
    }

    void aRefusedOkFollowedByCancelChangesNothing() {
        QWidget parent;
        CConfigDlg dlg(&parent);
        dlg.findChild<QCheckBox*>()->setChecked(false); // "Splitta le macro non standard"
        dlg.findChild<QLineEdit*>()->setText("0");
        QTimer::singleShot(0, [] { AnswerNextMessageBox(); });
        dlg.accept(); // refused with the range message: nothing taken, not even the split box
        QCOMPARE(g_settings.bSplit, 1);
        QVERIFY(dlg.result() != QDialog::Accepted);
        dlg.reject();
        QCOMPARE(g_settings.bSplit, 1);
        QCOMPARE(g_settings.nMicronsPerUnit, 127);
    }

    // The answer is the program's to keep: it splits from now on, and says so at close.
    void answeringNoToTheUnsplitWarningSplitsFromNowOn() {
        g_macroCache.Store("p.R1", CMacro());
        CFakeUi ui;
        ui.m_answer = ANSWER_NO;
        CSchemoDoc doc(DOC_DRAWING, &ui);
        QVERIFY(doc.Load("[TAVOLIN]\r\nMC 10 10 0 0 p.R1\r\n"));
        g_settings.bSplit = 0;
        QTemporaryDir dir;
        QVERIFY(SaveWithSettings(doc, QFile::encodeName(dir.path() + "/d.tvd").toStdString()));
        QCOMPARE(ui.m_nQuestions, 1);
        QCOMPARE(g_settings.bSplit, 1);
        g_macroCache.Clear();
    }

    void aCancelledCloseWritesNoSettings() {
        CMainFrame frame;
        frame.show();
        CMyMDIChildWnd* child = frame.NewDocument(DOC_DRAWING);
        child->Document().SetModified(true);
        QTimer::singleShot(0, [] { AnswerNextMessageBox(QMessageBox::Cancel); });
        QVERIFY(!frame.close());
        QVERIFY(QSettings().allKeys().isEmpty());
        child->Document().SetModified(false);
        QVERIFY(frame.close());
        QCOMPARE(QSettings().value("Configurazione/bSplit").toInt(), 1);
        QCOMPARE(QSettings().value("Window State/right").toInt(), 800);
        QVERIFY(!QSettings().contains("Layers/Name0"));
    }

    // The drawing comes through a pipe that is written only once the open waits
    // for it, and the libraries reload while it is parsed. It opens whole, and
    // the macro file rewritten meanwhile is not put back into the cache as it was.
    void aReloadWhileADrawingOpens() {
        QTemporaryDir dir;
        const std::string root = QFile::encodeName(dir.path()).toStdString();
        QDir(dir.path()).mkpath("libs");
        QDir(dir.path()).mkpath("macros");
        auto write = [&root](const char* file, const std::string& text) {
            std::ofstream(root + file, std::ios::binary) << text;
        };
        write("/libs/gara.tvl", "[TAVOLIB Gara]\r\n[K1 Parte]\r\nLI 90 100 110 100\r\n");
        write("/macros/singola.tvm", "[MACROCAD Singola]\r\nSA 100 100\r\n");
        g_libraryFolders = {root};
        CMacro macro;
        QVERIFY(ResolveMacro("singola", macro, nullptr, nullptr)); // cached before the open
        QCOMPARE(mkfifo((root + "/grande.tvd").c_str(), 0600), 0);
        constexpr std::size_t nLines = 20000;
        CMainFrame frame;
        QTimer::singleShot(0, &frame, [&] {
            std::string text = "[TAVOLIN Grande]\r\n";
            for (std::size_t i = 0; i < nLines; ++i)
                text += i % 2 ? "MC 200 200 0 0 gara.K1\r\n" : "MC 300 300 0 0 singola\r\n";
            write("/grande.tvd", text);
            write("/libs/gara.tvl", "[TAVOLIB Gara]\r\n[K2 Nuova]\r\nSA 100 100\r\n");
            write("/macros/singola.tvm", "[MACROCAD Singola]\r\nSA 100 100\r\nSA 90 90\r\n");
            emit frame.findChild<CLibraryWatcher*>()->librariesChanged();
        });
        QVERIFY(frame.OpenFile(dir.path() + "/grande.tvd"));
        std::size_t nResolved = 0;
        for (const auto& p : frame.ActiveChild()->Document().Primitives())
            if (auto* m = dynamic_cast<const CMacro*>(p.get()); m && !m->m_components.empty()) ++nResolved;
        QCOMPARE(nResolved, nLines);
        QVERIFY(ResolveMacro("singola", macro, nullptr, nullptr));
        QCOMPARE(macro.m_components.size(), std::size_t(2));
        QVERIFY(!ResolveMacro("gara.K1", macro, nullptr, nullptr));
        g_libraryFolders.clear();
        g_macroCache.Clear();
        ForgetLibraryFiles();
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
