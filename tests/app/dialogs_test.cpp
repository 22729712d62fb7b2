// The dialogs: what their boxes accept, the ranges of their spin boxes, and
// what they hand back. The checks behind them are proven in the core.
#include "app/export_dialog.h"
#include "app/grid_dialog.h"
#include "app/int_spin_edit.h"
#include "app/number_dialog.h"
#include "app/property_dialog.h"
#include "app/qt_document_ui.h"
#include "app_test_util.h"
#include "doc/document.h"
#include "model/prototypes.h"
#include "view/picture_types.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { ResetPrototypes(); }

    // The arrows stop at the bounds, what is typed is left as typed, texts go
    // to the sheet as Windows-1252 and a choice as its item.
    void thePropertyControlsHandTheSheetWhatWasLeftInThem() {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        QVERIFY(doc.Load("[TAVOLIN]\r\nTY 0 0 99 3 0 0 0 * A\r\nTY 9 9 99 3 0 0 0 * A\r\n"));
        for (const auto& p : doc.Primitives())
            doc.Select(p.get(), true);
        const CLayerTable layers;
        CPropertySheet sheet(doc.Selection(), layers);
        CPropertyDlg dlg(sheet, nullptr);
        dlg.show();
        auto* text = dlg.findChild<QLineEdit*>("Text");
        QCOMPARE(text->selectedText(), QString("A")); // ready to be typed over
        text->setText(QString::fromUtf8("\u20ac caff\u00e8 \u2603"));
        auto* height = dlg.findChild<CIntSpinEdit*>("FontHeight");
        QTest::keyClick(height, Qt::Key_Up);
        QTest::keyClick(height, Qt::Key_Up);
        QCOMPARE(height->text(), QString("100"));
        auto* width = dlg.findChild<CIntSpinEdit*>("FontWidth");
        width->stepBy(-200);
        QCOMPARE(width->text(), QString("2"));
        auto* angle = dlg.findChild<CIntSpinEdit*>("RotationAngle");
        angle->SelectAll();
        QTest::keyClicks(angle, "400");
        text->setFocus(); // leaving the box keeps what was typed
        dlg.findChild<QComboBox*>("bBold")->setCurrentIndex(2);
        Button(&dlg, "OK")->click();
        const std::map<std::string, std::string> texts = {
            {"Text", "\x80 caff\xE8 ?"}, {"FontHeight", "100"}, {"FontWidth", "2"}, {"RotationAngle", "400"}};
        for (const CPropertySheetRow& row : sheet.Rows()) {
            if (texts.count(row.strName)) QCOMPARE(row.strText, texts.at(row.strName));
            if (row.strName == "bBold") QCOMPARE(row.nChoice, 2);
        }
    }

    // A question whose answer loses work has "No" as its default.
    void aYesNoQuestionDefaultsToNo() {
        QMessageBox::StandardButton def = QMessageBox::NoButton;
        WhenModal<QMessageBox>([&def](QMessageBox* box) {
            def = box->standardButton(box->defaultButton());
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(CQtDocumentUi(nullptr).AskYesNo("Rimuovere?", "Libreria"), ANSWER_YES);
        QCOMPARE(def, QMessageBox::No);
    }

    void theExportDialogTakesTheNumberOfItsMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("zoomText");
        QTest::addColumn<QString>("dpiText");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("zoomTaken");
        QTest::addColumn<int>("dpiTaken");
        // The number the mode does not use is not checked.
        QTest::newRow("relative 0") << 0 << "0" << "0" << false << 400 << 600;
        QTest::newRow("relative 2001") << 0 << "2001" << "600" << false << 400 << 600;
        QTest::newRow("relative 1") << 0 << "1" << "0" << true << 1 << 600;
        QTest::newRow("relative 2000") << 0 << " 2000 " << "0" << true << 2000 << 600;
        QTest::newRow("absolute 29") << 1 << "400" << "29" << false << 400 << 600;
        QTest::newRow("absolute 2401") << 1 << "400" << "2401" << false << 400 << 600;
        QTest::newRow("absolute 30") << 1 << "0" << "30" << true << 400 << 30;
        QTest::newRow("absolute 2400") << 1 << "0" << "2400" << true << 400 << 2400;
        QTest::newRow("metafile") << 2 << "0" << "0" << true << 400 << 600;
    }
    void theExportDialogTakesTheNumberOfItsMode() {
        QFETCH(int, mode);
        QFETCH(bool, accepted);
        QFETCH(QString, zoomText);
        QFETCH(QString, dpiText);
        CSaveBitmapDlg dlg(nullptr);
        const QList<QRadioButton*> modes = dlg.findChildren<QRadioButton*>();
        QLineEdit* zoom = dlg.findChildren<QLineEdit*>()[0];
        QLineEdit* dpi = dlg.findChildren<QLineEdit*>()[1];
        QVERIFY(modes[1]->isChecked());
        QCOMPARE(zoom->text() + " " + dpi->text(), QString("400 600"));
        modes[mode]->click();
        QCOMPARE(zoom->isEnabled(), mode == 0);
        QCOMPARE(dpi->isEnabled(), mode == 1);
        zoom->setText(zoomText);
        dpi->setText(dpiText);
        if (!accepted) AnswerNextMessageBox();
        dlg.accept();
        QCOMPARE(dlg.result() == QDialog::Accepted, accepted);
        QCOMPARE(dlg.m_nMode, accepted ? mode : 1);
        QTEST(dlg.m_nZoom, "zoomTaken");
        QTEST(dlg.m_nDPI, "dpiTaken");
    }

    // The name's extension must be one the mode writes; the type chosen gives
    // a bare name its extension.
    void theSaveDialogRefusesANameItsModeCannotWrite() {
        QTemporaryDir dir;
        CPictureFileDialog dlg(nullptr, 1, dir.path());
        emit dlg.filterSelected(dlg.nameFilters()[1]);
        QCOMPARE(dlg.defaultSuffix(), QString(PictureTypes(1)[1].pszExtension));
        dlg.selectFile(dir.filePath("x.svg"));
        AnswerNextMessageBox();
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        dlg.selectFile(dir.filePath("x.png"));
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_nFormat, int(PICTURE_PNG));
        QCOMPARE(dlg.m_strPath, dir.filePath("x.png"));
    }

    // "Griglia e Snap": each box's range, and what is left in the dialog comes
    // back on OK.
    void theGridDialogKeepsItsRangesAndHandsBackEverything() {
        WhenModal<QDialog>([](QDialog* dlg) {
            const struct {
                const char* name;
                int nMax, nValue;
            } boxes[] = {{"1002", 40, 40}, {"1003", 40, 7}, {"1006", 20, 3}, {"1008", 20, 20}};
            for (const auto& b : boxes) {
                auto* spin = dlg->findChild<QSpinBox*>(b.name);
                QCOMPARE(spin->minimum(), 1);
                QCOMPARE(spin->maximum(), b.nMax);
                spin->setValue(b.nValue);
            }
            for (QCheckBox* c : dlg->findChildren<QCheckBox*>())
                c->setChecked(c->text() == "Abilita Snap");
            Button(dlg, "OK")->click();
        });
        CGridSnap v;
        v.bSnap = false;
        QVERIFY(RunGridSnapDialog(nullptr, v));
        QCOMPARE((std::vector<int>{v.nGridX, v.nGridY, v.nSnapX, v.nSnapY}), (std::vector<int>{40, 7, 3, 20}));
        QCOMPARE((std::vector<bool>{v.bSnap, v.bShowGrid, v.bHideMacroOrigin}),
                 (std::vector<bool>{true, false, false}));
    }

    // The prefix takes only what a key may hold; a number typed counts as it
    // reads; a refusal keeps the dialog open.
    void theNumberingDialogHandsOnItsValues() {
        std::vector<CNumbering> offered;
        CNumberDlg dlg(nullptr, [&](const CNumbering& n) {
            offered.push_back(n);
            return offered.size() > 1;
        });
        auto* prefix = dlg.findChild<QLineEdit*>("1026");
        prefix->selectAll();
        QTest::keyClicks(prefix, "A-BCDEFGHIJ"); // "-" and the ninth letter refused
        auto* start = dlg.findChild<QSpinBox*>("1027");
        auto* step = dlg.findChild<QSpinBox*>("1028");
        QCOMPARE(QList<int>({start->minimum(), start->maximum(), step->minimum(), step->maximum()}),
                 QList<int>({0, 100000000, 1, 100000000}));
        start->selectAll();
        QTest::keyClicks(start, "12");
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(offered[0].prefix, std::string("ABCDEFGH"));
        QCOMPARE(offered[0].nStart, std::int64_t(12));
    }
};

APP_TEST_CLASS(DialogsTest)
#include "dialogs_test.moc"
