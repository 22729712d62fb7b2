// The frame's features as the user reaches them: the real clipboard, paste,
// the unsplit warning's answer and the library commands.
#include "app/support/widget_test_support.h"

#include "app/platform/qt_clipboard.h"
#include "format/macro_cache.h"
#include <QDialog>
#include <QMdiArea>
#include <QMimeData>

class FeaturesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { StartWidgetTests(); }
    void cleanup() { ResetProgramState(); }

    // The answer is the program's to keep: it splits from now on.
    void answeringNoToTheUnsplitWarningSplitsFromNowOn() {
        g_library.cache.Store("p.R1", CMacro());
        CFakeUi ui;
        ui.m_answer = ANSWER_NO;
        CSchemoDoc doc(DOC_DRAWING, &ui, g_library.context);
        QVERIFY(doc.Load("[TAVOLIN]\r\nMC 10 10 0 0 p.R1\r\n"));
        g_settings.bSplit = 0;
        QTemporaryDir dir;
        QVERIFY(SaveWithSettings(doc, QFile::encodeName(dir.filePath("d.tvd")).toStdString()));
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
        const QString plain =
            QString::fromUtf8("[TAVOLIN]\r\nTY 1 2 5 3 0 0 0 * Perch\u00e8 \u20ac\r\n");
        QCOMPARE(Clip()->mimeData()->data(CQtClipboard::kMimeType), bytes);
        QCOMPARE(Clip()->mimeData()->text(), plain);
        QCOMPARE(Clip()->mimeData()->data("text/plain;charset=utf-8"), plain.toUtf8());
        QCOMPARE(doc.Primitives().size(), std::size_t(1));
        CQtClipboard clip(nullptr, g_layers);
        std::string text;
        QVERIFY(clip.GetText(text));
        QCOMPARE(QByteArray::fromStdString(text), bytes);
        Clip()->setText(QString::fromUtf8("LI 1 2 3 4\r\n\u00e8\u20ac\u03c9\U0001F600x\n"));
        QVERIFY(clip.HasText() && clip.GetText(text));
        QCOMPARE(QByteArray::fromStdString(text), QByteArray("LI 1 2 3 4\r\n\xe8\x80??x\n"));
        Clip()->clear();
        QVERIFY(!clip.HasText() && !clip.GetText(text));
    }

    // While a modal dialog is shown (the properties of a new text, say) the
    // frame's commands do nothing: a cut would free what the dialog edits.
    void commandsWaitWhileAModalDialogIsShown() {
        CMainFrame frame;
        CSchemoDoc& doc = frame.NewDocument(DOC_DRAWING)->Document();
        QVERIFY(doc.Load("[TAVOLIN]\r\nLI 10 10 40 10\r\n"));
        doc.SetSelection({doc.Primitives()[0].get()});
        QDialog dlg(&frame);
        QTimer::singleShot(0, &dlg, [&] {
            frame.OnCommand(ID_EDIT_CUT);
            dlg.reject();
        });
        dlg.exec();
        QCOMPARE(doc.Primitives().size(), std::size_t(1));
        frame.OnCommand(ID_EDIT_CUT);
        QCOMPARE(doc.Primitives().size(), std::size_t(0));
    }

    // "Incolla" follows the clipboard; a paste that finds nothing to place
    // beeps, one that starts does not, and ends when another document comes
    // forward.
    void aPasteFollowsTheClipboardAndTheActiveDocument() {
        CMainFrame frame;
        auto* paste = Named<QAction>(&frame, "Come nuova &selezione");
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

    // The "Libreria" commands reach the active library and its fields;
    // removing asks first.
    void theLibraryCommands() {
        CMainFrame frame;
        CMyMDIChildWnd* child = frame.NewDocument(DOC_LIBRARY);
        const auto& library = dynamic_cast<const CSchemoLibDoc&>(child->Document());
        QStringList shown;
        for (int nId : {ID_LIB_ADD, ID_LIB_INSERT_BEFORE, ID_LIB_INSERT_AFTER}) {
            frame.OnCommand(nId);
            shown << child->Bar()->LibraryFields()->KeyEdit()->text() + " " +
                         QString::number(library.Current());
        }
        QCOMPARE(shown, QStringList({"M02 1", "M03 1", "M04 2"}));
        AnswerNextMessageBox(QMessageBox::Yes);
        frame.OnCommand(ID_LIB_REMOVE);
        QCOMPARE(child->Bar()->LibraryFields()->TitleBox()->count(), 3);
    }
};

int RunFeaturesTest(int argc, char** argv) {
    FeaturesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "features_test.moc"
