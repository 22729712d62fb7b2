// "Salva come bitmap/metafile" with the offscreen platform: its defaults, the
// number each mode uses, and a number out of range refused; the save dialog
// refusing a name whose extension the mode cannot write.
#include "app_test_util.h"
#include "app/export_dialog.h"
#include "view/picture_types.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

class ExportDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { IsolateSettings(); }

    void onlyTheNumberOfTheChosenModeCanBeEdited() {
        CSaveBitmapDlg dlg(nullptr);
        const QList<QRadioButton*> modes = dlg.findChildren<QRadioButton*>();
        const QList<QLineEdit*> edits = dlg.findChildren<QLineEdit*>();
        QCOMPARE(modes.size(), 3);
        QCOMPARE(edits.size(), 2);
        QLineEdit* zoom = edits[0];
        QLineEdit* dpi = edits[1];
        QVERIFY(modes[1]->isChecked());
        QCOMPARE(zoom->text(), QString("400"));
        QCOMPARE(dpi->text(), QString("600"));
        const struct {
            int nMode;
            bool bZoom, bDpi;
        } cases[] = {{0, true, false}, {2, false, false}, {1, false, true}};
        for (const auto& c : cases) {
            modes[c.nMode]->click();
            QCOMPARE(zoom->isEnabled(), c.bZoom);
            QCOMPARE(dpi->isEnabled(), c.bDpi);
        }
    }

    void aNumberOutOfRangeKeepsTheDialogOpen() {
        CSaveBitmapDlg dlg(nullptr);
        const QList<QRadioButton*> modes = dlg.findChildren<QRadioButton*>();
        QLineEdit* zoom = dlg.findChildren<QLineEdit*>()[0];
        QLineEdit* dpi = dlg.findChildren<QLineEdit*>()[1];
        modes[0]->click();
        dpi->setText("0"); // not used in relative mode: not checked
        for (const char* bad : {"0", "2001", "abc", ""}) {
            zoom->setText(bad);
            AnswerNextMessageBox();
            dlg.accept();
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QCOMPARE(dlg.m_nZoom, 400);
        }
        zoom->setText(" 2000 ");
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_nMode, 0);
        QCOMPARE(dlg.m_nZoom, 2000);
    }

    void aNameTheModeCannotWriteKeepsTheSaveDialogOpen() {
        QTemporaryDir dir;
        CPictureFileDialog dlg(nullptr, 1, dir.path());
        for (const char* bad : {"x.svg", "x.txt"}) {
            dlg.selectFile(dir.filePath(bad));
            AnswerNextMessageBox();
            dlg.accept();
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
        }
        dlg.selectFile(dir.filePath("x.png"));
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_nFormat, int(PICTURE_PNG));
        QCOMPARE(dlg.m_strPath, dir.filePath("x.png"));
    }
};

QTEST_MAIN(ExportDialogTest)
#include "export_dialog_test.moc"
