// The clipboard with the offscreen platform: what a copy offers other
// programs and other copies of the program, plain text read back as
// Windows-1252, the paste commands following the clipboard, the cut command
// reaching it. Pasting itself is proven in the core and end to end.
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/qt_clipboard.h"
#include "app_test_util.h"
#include "doc/settings.h"
#include "view/action_table.h"
#include "view/commands.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

namespace {
QClipboard* Clip() {
    return QGuiApplication::clipboard();
}

QAction* ActionNamed(CMainFrame& frame, const char* caption) {
    for (QAction* a : frame.findChildren<QAction*>())
        if (a->text() == QString::fromUtf8(caption)) return a;
    return nullptr;
}

QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}
} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { IsolateSettings(); }
    void cleanup() {
        QSettings().clear();
        Clip()->clear();
    }

    void aCopyOffersUtf8TextAndTheBytesThemselves() {
        CQtClipboard clip(nullptr);
        const std::string text = "[TAVOLIN]\r\nTY 1 2 5 3 0 0 0 * Perch\xe8 \x80\r\n";
        QVERIFY(clip.SetText(text));
        const QMimeData* data = Clip()->mimeData();
        const QString plain =
            QString::fromUtf8("[TAVOLIN]\r\nTY 1 2 5 3 0 0 0 * Perch\u00e8 \u20ac\r\n");
        QCOMPARE(data->text(), plain);
        QCOMPARE(data->data("text/plain;charset=utf-8"), plain.toUtf8());
        QCOMPARE(data->data(CQtClipboard::kMimeType), Bytes(text));
        std::string back;
        QVERIFY(clip.GetText(back));
        QCOMPARE(Bytes(back), Bytes(text));
    }

    // Another program's text: each character is one Windows-1252 byte, "?"
    // when it has none; line ends stay.
    void plainTextIsReadAsWindows1252() {
        CQtClipboard clip(nullptr);
        Clip()->setText(QString::fromUtf8("LI 1 2 3 4\r\n\u00e8\u20ac\u03c9\U0001F600x\n"));
        std::string text;
        QVERIFY(clip.HasText());
        QVERIFY(clip.GetText(text));
        QCOMPARE(Bytes(text), QByteArray("LI 1 2 3 4\r\n\xe8\x80??x\n"));
        Clip()->clear();
        QVERIFY(!clip.HasText());
        QVERIFY(!clip.GetText(text));
    }

    void thePasteCommandsFollowTheClipboard() {
        CMainFrame frame;
        QAction* pasteNew = ActionNamed(frame, "Come nuovo &documento");
        QAction* pasteNewMenu = ActionNamed(frame, "Incolla come nuovo &documento");
        QVERIFY(pasteNew && pasteNewMenu);
        QVERIFY(!pasteNew->isEnabled() && !pasteNewMenu->isEnabled());
        Clip()->setText("LI 1 2 3 4");
        QVERIFY(pasteNew->isEnabled() && pasteNewMenu->isEnabled());
        QAction* paste = ActionNamed(frame, "Come nuova &selezione");
        QVERIFY(!paste->isEnabled()); // no document
        frame.NewDocument(DOC_DRAWING);
        QVERIFY(paste->isEnabled());
        Clip()->clear();
        QVERIFY(!paste->isEnabled() && !pasteNew->isEnabled());
    }

    void theCutCommandGoesToTheQtClipboard() {
        CMainFrame frame;
        CMyMDIChildWnd* child = frame.NewDocument(DOC_DRAWING);
        CSchemoDoc& doc = child->Document();
        QVERIFY(doc.Load("[TAVOLIN]\r\nLI 10 10 40 10\r\nSA 40 10\r\n"));
        doc.SetSelection({doc.Primitives()[1].get()});
        QVERIFY(ActionNamed(frame, "Tag&lia")->isEnabled());
        frame.OnCommand(ID_EDIT_CUT);
        QCOMPARE(Clip()->mimeData()->data(CQtClipboard::kMimeType),
                 QByteArray("[TAVOLIN]\r\nSA 40 10\r\n"));
        QCOMPARE(doc.Primitives().size(), std::size_t(1));
        QVERIFY(!ActionNamed(frame, "&Copia")->isEnabled());
    }
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
