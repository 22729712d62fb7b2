// The main window: its title, a close, the real clipboard, the layer box and
// "Gestione Layer", the macro tree. The logic behind them is proven in the core.
#include "../doc/fake_ui.h"
#include "app/child_frame.h"
#include "app/layer_combo.h"
#include "app/layer_dialog.h"
#include "app/macro_bar.h"
#include "app/main_frame.h"
#include "app/program_context.h"
#include "app/qt_clipboard.h"
#include "app/schemo_view.h"
#include "app_test_util.h"
#include "doc/settings.h"
#include "format/library_files.h"
#include "format/macro_cache.h"
#include "format/program_dir.h"
#include "format/reader.h"
#include "view/commands.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <fstream>

namespace {
QClipboard* Clip() {
    return QGuiApplication::clipboard();
}
QAction* ActionNamed(CMainFrame& frame, const char* caption) {
    for (QAction* a : frame.findChildren<QAction*>())
        if (a->text() == caption) return a;
    qFatal("no action %s", caption);
}
} // namespace

class FrameTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_pDir = std::make_unique<QTemporaryDir>();
        QDir(m_pDir->path()).mkpath("libs");
        QDir(m_pDir->path()).mkpath("macros");
        g_libraryFolders = {QFile::encodeName(m_pDir->path()).toStdString()};
    }
    void cleanup() {
        QSettings().clear();
        g_settings = CSettings();
        g_layers = CLayerTable();
        g_libraryFolders.clear();
        g_macroCache.Clear();
        ForgetLibraryFiles();
        Clip()->clear();
    }

    void theTitleMarksAChangeAndACancelledCloseWritesNoSettings() {
        CMainFrame frame;
        frame.show();
        CSchemoDoc& doc = frame.NewDocument(DOC_DRAWING)->Document();
        doc.SetModified(true);
        QCOMPARE(frame.windowTitle(), QString("Tavolin - Documento1*"));
        QTimer::singleShot(0, [] { AnswerNextMessageBox(QMessageBox::Cancel); });
        QVERIFY(!frame.close());
        QVERIFY(QSettings().allKeys().isEmpty());
        doc.SetModified(false);
        QCOMPARE(frame.windowTitle(), QString("Tavolin - Documento1"));
        QVERIFY(frame.close());
        QCOMPARE(QSettings().value("Window State/right").toInt(), 800);
    }

    void answeringNoToTheUnsplitWarningSplitsFromNowOn() {
        g_macroCache.Store("p.R1", CMacro());
        CFakeUi ui;
        ui.m_answer = ANSWER_NO;
        CSchemoDoc doc(DOC_DRAWING, &ui);
        QVERIFY(doc.Load("[TAVOLIN]\r\nMC 10 10 0 0 p.R1\r\n"));
        g_settings.bSplit = 0;
        QVERIFY(SaveWithSettings(doc, Path("d.tvd")));
        QCOMPARE(ui.m_nQuestions, 1);
        QCOMPARE(g_settings.bSplit, 1);
    }

    // A cut offers the bytes themselves to other copies of the program and
    // UTF-8 text to other programs; another program's text is read back as
    // Windows-1252, "?" where it has no byte.
    void theClipboardCarriesBytesAndWindows1252Text() {
        CMainFrame frame;
        CSchemoDoc& doc = frame.NewDocument(DOC_DRAWING)->Document();
        QVERIFY(doc.Load("[TAVOLIN]\r\nLI 10 10 40 10\r\nTY 1 2 5 3 0 0 0 * Perch\xe8 \x80\r\n"));
        doc.SetSelection({doc.Primitives()[1].get()});
        frame.OnCommand(ID_EDIT_CUT);
        const QByteArray bytes("[TAVOLIN]\r\nTY 1 2 5 3 0 0 0 * Perch\xe8 \x80\r\n");
        const QString plain = QString::fromUtf8("[TAVOLIN]\r\nTY 1 2 5 3 0 0 0 * Perch\u00e8 \u20ac\r\n");
        QCOMPARE(Clip()->mimeData()->data(CQtClipboard::kMimeType), bytes);
        QCOMPARE(Clip()->mimeData()->text(), plain);
        QCOMPARE(Clip()->mimeData()->data("text/plain;charset=utf-8"), plain.toUtf8());
        QCOMPARE(doc.Primitives().size(), std::size_t(1));
        CQtClipboard clip(nullptr);
        std::string text;
        QVERIFY(clip.GetText(text));
        QCOMPARE(QByteArray::fromStdString(text), bytes);
        Clip()->setText(QString::fromUtf8("LI 1 2 3 4\r\n\u00e8\u20ac\u03c9\U0001F600x\n"));
        QVERIFY(clip.HasText() && clip.GetText(text));
        QCOMPARE(QByteArray::fromStdString(text), QByteArray("LI 1 2 3 4\r\n\xe8\x80??x\n"));
        Clip()->clear();
        QVERIFY(!clip.HasText() && !clip.GetText(text));
    }

    // "Incolla" follows the clipboard; a paste that finds nothing to place
    // beeps, one that starts does not, and ends when another document comes
    // forward.
    void aPasteFollowsTheClipboardAndTheActiveDocument() {
        CMainFrame frame;
        QAction* paste = ActionNamed(frame, "Come nuova &selezione");
        Clip()->setText("niente da incollare");
        QVERIFY(!paste->isEnabled()); // no document
        CMyMDIChildWnd* first = frame.NewDocument(DOC_DRAWING);
        CMyMDIChildWnd* second = frame.NewDocument(DOC_DRAWING);
        first->mdiArea()->setActiveSubWindow(first);
        QVERIFY(paste->isEnabled());
        QCOMPARE(Traced([&] { frame.OnCommand(ID_EDIT_PASTE); }).count("BEEP"), 1);
        Clip()->setText("LI 1 2 3 4");
        QCOMPARE(Traced([&] { frame.OnCommand(ID_EDIT_PASTE); }).count("BEEP"), 0);
        QVERIFY(!first->View()->IsIdle());
        second->mdiArea()->setActiveSubWindow(second);
        QVERIFY(first->View()->IsIdle() && first->Document().Primitives().empty());
        Clip()->clear();
        QVERIFY(!paste->isEnabled());
    }

    // The stored names and colours; a layer hidden in "Gestione Layer" leaves the selection of every document,
    // the box keeps its layer under the new name, and OK stores nothing.
    void theLayerBoxAndGestioneLayer() {
        QSettings().setValue("Layers/Name4", QString::fromUtf8("\u20ac Fori"));
        QSettings().setValue("Layers/Color4", int(RGB(255, 128, 0)));
        CMainFrame frame;
        frame.show();
        auto* combo = frame.findChild<CLayerCombo*>();
        QCOMPARE(combo->itemText(4), QString::fromUtf8("\u20ac Fori"));
        QCOMPARE(combo->itemData(4, CLayerCombo::LAYER_COLOR_ROLE).value<QColor>(), QColor(255, 128, 0));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(combo, Qt::Key_Down); // applied at once
        std::vector<CSchemoDoc*> docs;
        for (int i = 0; i < 2; ++i) {
            docs.push_back(&frame.NewDocument(DOC_DRAWING)->Document());
            QVERIFY(docs.back()->Load("[TAVOLIN]\r\nLI 10 10 20 10\r\nRV 30 30 40 40 1\r\n"));
            docs.back()->SetSelection({docs.back()->Primitives()[0].get(), docs.back()->Primitives()[1].get()});
        }
        WhenModal<CLayerDlg>([](CLayerDlg* dlg) {
            dlg->findChild<QCheckBox*>("Show1")->setChecked(false);
            dlg->findChild<QLineEdit*>("Name3")->setText("PCB"); // begins "PCB lato rame"
            Button(dlg, "OK")->click();
        });
        frame.OnCommand(ID_LAYERS);
        for (CSchemoDoc* doc : docs)
            QVERIFY(doc->Selection().size() == 1 && doc->Selection().front()->GetLayer() == 0);
        QCOMPARE(combo->currentText(), QString("PCB"));
        QCOMPARE(frame.CurrentLayer(), 3);
        QVERIFY(!QSettings().contains("Layers/Show1"));
    }

    // Read as Windows-1252; a click on a leaf chooses the macro tool.
    void theMacroTreeFillsFromTheFolderAndALeafChoosesTheTool() {
        Write("libs/parti.tvl", "[TAVOLIB Parti \x80]\r\n{Passivi}\r\n[R1 Resistenza \xE9]\r\nSA 100 100\r\n");
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto* tree = frame.MacroBar()->findChild<QTreeWidget*>();
        QTreeWidgetItem* library = tree->topLevelItem(0)->child(1);
        QCOMPARE(library->text(0), QString::fromUtf8("Parti \u20ac"));
        QTreeWidgetItem* leaf = library->child(0)->child(0);
        QCOMPARE(leaf->text(0), QString::fromUtf8("Resistenza \u00e9"));
        tree->scrollToItem(leaf);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(leaf).center());
        QCOMPARE(frame.Tools().Current(), int(TOOL_MACRO));
        QCOMPARE(frame.MacroBar()->GetSelectedMacro().value_or(""), std::string("parti.R1"));
    }

  private:
    std::string Path(const char* name) const { return QFile::encodeName(m_pDir->filePath(name)).toStdString(); }
    void Write(const char* name, const std::string& text) { std::ofstream(Path(name), std::ios::binary) << text; }

    std::unique_ptr<QTemporaryDir> m_pDir;
};

APP_TEST_CLASS(FrameTest)
#include "frame_test.moc"
