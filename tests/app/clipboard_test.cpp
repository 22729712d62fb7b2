// The clipboard with the offscreen platform: what a copy offers other
// programs and other copies of the program, plain text read back as
// Windows-1252, the paste commands following the clipboard, and paste as a
// new document.
#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/qt_clipboard.h"
#include "app/schemo_view.h"
#include "app_test_util.h"
#include "doc/settings.h"
#include "view/action_table.h"
#include "view/commands.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
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
    void initTestCase() {
        IsolateSettings();
        QVERIFY(m_tmp.isValid());
        qputenv("TMPDIR", m_tmp.path().toLocal8Bit()); // where a temporary file would go
    }
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

    void aCutGoesToTheClipboardAndAPasteHangsOnTheView() {
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
        frame.OnCommand(ID_EDIT_PASTE);
        QVERIFY(!child->View()->IsIdle());
        QCOMPARE(doc.Selection().size(), std::size_t(1));
        QCOMPARE(doc.Primitives().size(), std::size_t(1)); // not in the drawing until placed
    }

    void pasteAsNewDocumentOpensAnUntitledModifiedDocumentOfItsKind() {
        CMainFrame frame;
        const struct {
            const char* text;
            const char* name;
            int nKind;
            const char* title;
        } cases[] = {
            {"[MACROCAD Rel\xc3\xa8]\r\nLI 1 2 3 4\r\n", "Macro1", DOC_MACRO, "Rel\xe8"},
            {"LI 1 2 3 4\nSA 3 4", "Documento1", DOC_DRAWING, ""},
            {"[TAVOLIN Altro]\r\nLI 1 2 3 4\r\nSA 3 4\r\n", "Documento2", DOC_DRAWING, "Altro"},
        };
        for (const auto& c : cases) {
            Clip()->setText(QString::fromUtf8(c.text));
            frame.OnCommand(ID_PASTE_NEW_DOCUMENT);
            CMyMDIChildWnd* child = frame.ActiveChild();
            QVERIFY(child);
            QCOMPARE(child->Name(), QString(c.name));
            QVERIFY(child->Path().isEmpty());
            QCOMPARE(child->Document().GetDocKind(), c.nKind);
            QVERIFY(child->Document().IsModified());
            QCOMPARE(child->Document().m_strTitle, std::string(c.title));
            QCOMPARE(child->Document().Primitives().size(),
                     std::size_t(c.nKind == DOC_MACRO ? 1 : 2));
        }
        QVERIFY(QDir(m_tmp.path()).isEmpty());
        for (CMyMDIChildWnd* w : frame.findChildren<CMyMDIChildWnd*>())
            w->Document().SetModified(false);
    }

  private:
    QTemporaryDir m_tmp;
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
