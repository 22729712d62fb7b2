// The main window and a document's window: the title, a recovered or reloaded
// document, the zoom box and the wheel.
#include "app/support/widget_test_support.h"

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { StartWidgetTests(); }
    void cleanup() { ResetProgramState(); }

    void theTitleMarksAChangeAndACancelledCloseWritesNoSettings() {
        CMainFrame frame;
        frame.show();
        CSchemoDoc& doc = frame.NewDocument(DOC_DRAWING)->Document();
        doc.SetModified(true);
        QCOMPARE(frame.windowTitle(), QString("Tavolin - Documento1*"));
        AnswerNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!frame.close());
        QVERIFY(QSettings().allKeys().isEmpty());
        doc.SetModified(false);
        QCOMPARE(frame.windowTitle(), QString("Tavolin - Documento1"));
        QVERIFY(frame.close());
        QCOMPARE(QSettings().value("Window State/right").toInt(), 800);
    }

    // What an earlier run left unsaved opens as a file read: its title in the
    // bar, modified, under its own name.
    void aRecoveredDocumentShowsItsTitle() {
        CMainFrame frame;
        frame.show();
        CMyMDIChildWnd* child = frame.OpenRecovered(
            DOC_DRAWING, "[TAVOLIN Filtro \xe8]\r\nLI 1 2 3 4\r\n", "/non/esiste/rc.tvd");
        QCOMPARE(child->Bar()->TitleEdit()->text(), QString::fromUtf8("Filtro \u00e8"));
        QCOMPARE(frame.windowTitle(), QString("Tavolin - rc.tvd*"));
    }

    // The file read again after another program wrote it: its title shows.
    void aReloadShowsTheFilesTitle() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.tvd");
        std::ofstream(QFile::encodeName(path).toStdString()) << "[TAVOLIN Prima]\r\n";
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame) && frame.OpenFile(path));
        QLineEdit* title = frame.ActiveChild()->Bar()->TitleEdit();
        QCOMPARE(title->text(), QString("Prima"));
        AnswerNextMessageBox(QMessageBox::Yes);
        std::ofstream(QFile::encodeName(path).toStdString()) << "[TAVOLIN Dopo]\r\n";
        QTRY_COMPARE(title->text(), QString("Dopo"));
    }

    // The box loses the focus as windows change; what the program wrote there
    // is no choice of the user's.
    void theZoomShownIsNotAppliedWhenTheBoxLosesTheFocus() {
        CSchemoDoc doc(DOC_DRAWING, nullptr, g_library.context);
        CSchemoView view(doc, nullptr, nullptr);
        CDocumentBar bar(doc, view, nullptr, nullptr);
        view.m_onZoomChanged = [&bar](double s) { bar.ShowZoom(s); };
        view.resize(400, 300);
        view.SetZoom(800, 90, 90);
        emit bar.ZoomBox()->lineEdit()->editingFinished();
        QCOMPARE(view.Coords().GetScrollPos(), CPoint({90, 90}));
    }

    void theWheelTurnedTowardsTheUserScrollsDown() {
        CSchemoDoc doc(DOC_DRAWING, nullptr, g_library.context);
        CSchemoView view(doc, nullptr, nullptr);
        view.resize(400, 300);
        view.StartView();
        const int nTop = view.Coords().GetScrollPos().y;
        Wheel(view.viewport(), -120);
        QVERIFY(view.Coords().GetScrollPos().y > nTop);
    }
};

int RunWindowTest(int argc, char** argv) {
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "window_test.moc"
