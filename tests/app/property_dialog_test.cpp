// "Proprieta'" with the offscreen platform: the arrows held at their bounds
// while typing is not, what is typed encoded as the document's bytes, and
// Annulla.
#include "app/int_spin_edit.h"
#include "app/property_dialog.h"
#include "doc/document.h"
#include "model/prototypes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class PropertyDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { ResetPrototypes(); }
    void cleanup() { ResetPrototypes(); }

    void theArrowsStopAtTheBoundsAndTypingIsLeftAsTyped() {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        Load(doc, "TY 0 0 99 3 0 0 0 * A\r\nTY 9 9 99 3 0 0 0 * B\r\n");
        const CLayerTable layers;
        CPropertySheet sheet(doc.Selection(), layers);
        CPropertyDlg dlg(sheet, nullptr);
        QCOMPARE(dlg.windowTitle(), QString("Proprieta'"));
        QVERIFY(Button(&dlg, "OK") && Button(&dlg, "Annulla"));
        QCOMPARE(dlg.findChildren<QLabel*>().back()->text(), QString("Layer"));
        dlg.show();
        auto* height = dlg.findChild<CIntSpinEdit*>("FontHeight");
        QVERIFY(height);
        QCOMPARE(height->text(), QString("99"));
        QTest::keyClick(height, Qt::Key_Up);
        QTest::keyClick(height, Qt::Key_Up);
        QCOMPARE(height->text(), QString("100"));
        height->stepBy(-200);
        QCOMPARE(height->text(), QString("2"));

        height->selectAll();
        QTest::keyClicks(height, "150");
        dlg.findChild<QLineEdit*>("Text")->setFocus(); // leaving the box keeps what was typed
        QCOMPARE(height->text(), QString("150"));
        Button(&dlg, "OK")->click();
        QCOMPARE(sheet.Rows()[2].strText, std::string("150")); // for the texts to refuse
    }

    void typedTextIsStoredAsWindows1252() {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        Load(doc, "TY 0 0 5 3 0 0 0 * A\r\n");
        const bool bOk = Run(doc, [](CPropertyDlg* dlg) {
            auto* text = qobject_cast<QLineEdit*>(dlg->Controls()[0]);
            QVERIFY(text && text->hasSelectedText()); // the first box, ready to be typed over
            QCOMPARE(text->selectedText(), QString("A"));
            text->setText(QString::fromUtf8("€ caffè ☃"));
            Button(dlg, "OK")->click();
        });
        QVERIFY(bOk);
        std::string line;
        doc.Primitives()[0]->GetTextLine(line, false);
        QCOMPARE(line, std::string("TY 0 0 5 3 0 0 0 * \x80 caff\xE8 ?\r\n"));
    }

    // OK with nothing changed is the property sheet's to prove.
    void annullaChangesNothing() {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        Load(doc, "TY 0 0 5 3 0 0 0 * A\r\nTY 9 9 8 3 0 0 0 * B\r\n");
        QVERIFY(!Run(doc, [](CPropertyDlg* dlg) {
            dlg->findChild<CIntSpinEdit*>("FontHeight")->SetText("12");
            Button(dlg, "Annulla")->click();
        }));
        QVERIFY(!doc.IsModified());

        doc.ClearSelection();
        QVERIFY(!RunPropertyDialog(nullptr, doc)); // nothing selected: no dialog
    }

  private:
    static void Load(CSchemoDoc& doc, const std::string& lines) {
        QVERIFY(doc.Load("[TAVOLIN]\r\n" + lines));
        for (const auto& p : doc.Primitives())
            doc.Select(p.get(), true);
    }

    static QPushButton* Button(QWidget* dlg, const char* text) {
        for (QPushButton* b : dlg->findChildren<QPushButton*>())
            if (b->text() == text) return b;
        return nullptr;
    }

    // Runs the dialog on the document's selection and lets `act` work in it.
    static bool Run(CSchemoDoc& doc, std::function<void(CPropertyDlg*)> act) {
        std::function<void()> poll = [&] {
            if (auto* dlg = qobject_cast<CPropertyDlg*>(QApplication::activeModalWidget())) {
                act(dlg);
                if (dlg->isVisible()) dlg->reject(); // a failed check must not hang the test
                return;
            }
            QTimer::singleShot(10, poll);
        };
        QTimer::singleShot(0, poll);
        return RunPropertyDialog(nullptr, doc);
    }
};

QTEST_MAIN(PropertyDialogTest)
#include "property_dialog_test.moc"
