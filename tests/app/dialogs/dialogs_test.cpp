// What the dialogs accept and hand back, and the ranges of their boxes.
#include "app/support/widget_test_support.h"

#include "app/dialogs/config_dialog.h"
#include "app/dialogs/export_dialog.h"
#include "app/dialogs/grid_dialog.h"
#include "app/dialogs/int_spin_edit.h"
#include "app/dialogs/number_dialog.h"
#include "app/dialogs/property_dialog.h"
#include "app/platform/qt_document_ui.h"
#include "qtlayer/qt_translate.h"
#include "view/forms/picture_types.h"
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QSpinBox>

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { StartWidgetTests(); }
    void cleanup() { ResetProgramState(); }

    // The arrows stop at the bounds, what is typed is left as typed, texts go
    // to the sheet as Windows-1252 and a choice as its item.
    void thePropertyControlsHandTheSheetWhatWasLeftInThem() {
        CSchemoDoc doc(DOC_DRAWING, nullptr, g_library.context);
        QVERIFY(doc.Load("[TAVOLIN]\r\nTY 0 0 99 3 0 0 0 * A\r\nTY 9 9 99 3 0 0 0 * A\r\n"));
        doc.SetSelection({doc.Primitives()[0].get(), doc.Primitives()[1].get()});
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
        dlg.findChild<CIntSpinEdit*>("FontWidth")->stepBy(-200);
        auto* angle = dlg.findChild<CIntSpinEdit*>("RotationAngle");
        angle->SelectAll();
        QTest::keyClicks(angle, "400");
        text->setFocus(); // leaving the box keeps what was typed
        dlg.findChild<QComboBox*>("bBold")->setCurrentIndex(2);
        Named<QPushButton>(&dlg, "OK")->click();
        const std::map<std::string, std::string> texts = {{"Text", "\x80 caff\xE8 ?"},
                                                          {"FontHeight", "100"},
                                                          {"FontWidth", "2"},
                                                          {"RotationAngle", "400"}};
        for (const CPropertySheetRow& row : sheet.Rows()) {
            if (texts.count(row.strName)) QCOMPARE(row.strText, texts.at(row.strName));
            if (row.strName == "bBold") QCOMPARE(row.nChoice, 2);
        }
    }

    // A question whose answer loses work has "No" as its default.
    // "strLanguage" is written only once a language is chosen, and the dialog
    // says that it applies at the next start.
    void theLanguageIsWrittenOnlyOnceChosen() {
        for (int nChoice : {0, 2}) {
            CConfigDlg dlg(nullptr);
            dlg.findChild<QComboBox*>()->setCurrentIndex(nChoice);
            if (nChoice) AnswerNextMessageBox();
            QCOMPARE(Traced([&dlg] { dlg.accept(); }).size(), nChoice ? 1 : 0);
            QCOMPARE(QSettings().value("Configurazione/strLanguage").toString(),
                     QString(nChoice ? "en" : ""));
        }
    }

    void aYesNoQuestionDefaultsToNo() {
        QMessageBox::StandardButton def = QMessageBox::NoButton;
        WhenModal<QMessageBox>([&def](QMessageBox* box) {
            def = box->standardButton(box->defaultButton());
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(CQtDocumentUi(nullptr).AskYesNo("Rimuovere?", "Libreria"), ANSWER_YES);
        QCOMPARE(def, QMessageBox::No);
    }

    // The number the mode uses, at the edges of its range; the other one is
    // greyed out and not checked.
    void theExportDialogTakesTheNumberOfItsMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("relative 0") << 0 << "0" << false;
        QTest::newRow("relative 1") << 0 << "1" << true;
        QTest::newRow("relative 2000") << 0 << " 2000 " << true;
        QTest::newRow("relative 2001") << 0 << "2001" << false;
        QTest::newRow("absolute 29") << 1 << "29" << false;
        QTest::newRow("absolute 30") << 1 << "30" << true;
        QTest::newRow("absolute 2400") << 1 << "2400" << true;
        QTest::newRow("absolute 2401") << 1 << "2401" << false;
        QTest::newRow("metafile") << 2 << "0" << true;
    }

    void theExportDialogTakesTheNumberOfItsMode() {
        QFETCH(int, mode);
        QFETCH(QString, number);
        QFETCH(bool, accepted);
        CSaveBitmapDlg dlg(nullptr);
        const QList<QLineEdit*> edits = dlg.findChildren<QLineEdit*>(); // zoom, DPI
        dlg.findChildren<QRadioButton*>()[mode]->click();
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(edits[i]->isEnabled(), i == mode);
            edits[i]->setText(i == mode ? number : "0");
        }
        if (!accepted) AnswerNextMessageBox();
        dlg.accept();
        QCOMPARE(dlg.result() == QDialog::Accepted, accepted);
        QCOMPARE(dlg.m_nMode, accepted ? mode : 1);
        const int n = accepted ? number.trimmed().toInt() : -1;
        QCOMPARE(dlg.m_nZoom, mode == 0 && accepted ? n : 400);
        QCOMPARE(dlg.m_nDPI, mode == 1 && accepted ? n : 600);
    }

    void theSaveDialogsSuffixFollowsTheChosenType() {
        CPictureFileDialog dlg(nullptr, 1, QDir::tempPath());
        emit dlg.filterSelected(dlg.nameFilters()[1]);
        QCOMPARE(dlg.defaultSuffix(), QString("png"));
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
            Named<QPushButton>(dlg, "OK")->click();
        });
        CGridSnap v;
        v.bSnap = false;
        QVERIFY(RunGridSnapDialog(nullptr, v));
        QCOMPARE((std::vector<int>{v.nGridX, v.nGridY, v.nSnapX, v.nSnapY}),
                 (std::vector<int>{40, 7, 3, 20}));
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
        Retype(dlg.findChild<QLineEdit*>("1026"), "A-BCDEFGHIJ"); // "-" and the ninth refused
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

    // Last: from here on Qt speaks Italian. Its own buttons do, and so do
    // those the program names itself.
    void theItalianInterfacesButtonsReadItalian() {
        QVERIFY(InstallQtItalian());
        QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Save)->text(), QString("Salva"));
        CSaveBitmapDlg dlg(nullptr);
        QStringList texts;
        for (const QPushButton* b : dlg.findChildren<QPushButton*>())
            texts << b->text();
        QCOMPARE(texts, QStringList({"OK", "Annulla"}));
    }
};

int RunDialogsTest(int argc, char** argv) {
    DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "dialogs_test.moc"
