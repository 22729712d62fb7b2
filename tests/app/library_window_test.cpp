// Library documents in the window, with the offscreen platform: the bar's
// "TBM" and "TLM" fields, every way of choosing another component, the
// widths of the fields, the "Libreria" commands and the numbering dialog.
#include "../doc/fake_ui.h"
#include "app/child_frame.h"
#include "app/document_bar.h"
#include "app/library_bar.h"
#include "app/main_frame.h"
#include "app/number_dialog.h"
#include "app_test_util.h"
#include "doc/library_doc.h"
#include "view/commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <fstream>
#include <functional>

namespace {
const char* const kThree = "[TAVOLIB Tre]\r\n{Passivi}\r\n[A1 Primo]\r\nLI 100 100 110 100\r\n"
                           "[B2 Secondo]\r\n{Altri}\r\n[C3 Terzo]\r\nSA 100 100\r\n";

CSchemoLibDoc& Library(CMyMDIChildWnd* child) {
    return dynamic_cast<CSchemoLibDoc&>(child->Document());
}
CLibraryBarFields& Fields(CMyMDIChildWnd* child) {
    return *child->Bar()->LibraryFields();
}
QComboBox* Titles(CMyMDIChildWnd* child) {
    return Fields(child).TitleBox();
}

// What the user does in the fields, as the widgets receive it.
void TypeKey(CMyMDIChildWnd* child, const QString& key) {
    QLineEdit* e = Fields(child).KeyEdit();
    e->selectAll();
    QTest::keyClicks(e, key);
}
void TypeTitle(CMyMDIChildWnd* child, const QString& title) {
    QLineEdit* e = Titles(child)->lineEdit();
    e->selectAll();
    QTest::keyClicks(e, title);
}

void Pick(QComboBox* box, int i) { // as the list does: the entry first, then the news
    box->setCurrentIndex(i);
    emit box->activated(i);
}
void ArrowDown(QComboBox* box) {
    QTest::keyClick(box, Qt::Key_Down);
}
void WheelDown(QComboBox* box) {
    const QPointF at(box->width() / 2.0, box->height() / 2.0);
    QWheelEvent e(at, box->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &e);
}
} // namespace

class LibraryWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { IsolateSettings(); }

    void init() { m_ui = CFakeUi(); }

    void newLibrariesAreNumberedAndShowTheirFirstComponent() {
        CMainFrame frame;
        CMyMDIChildWnd* first = frame.NewDocument(DOC_LIBRARY);
        CMyMDIChildWnd* second = frame.NewDocument(DOC_LIBRARY);
        QCOMPARE(first->Name(), QString("Libreria1"));
        QCOMPARE(second->Name(), QString("Libreria2"));
        QCOMPARE(second->Document().m_strTitle, std::string("Nuova libreria 2"));
        QCOMPARE(second->Bar()->TitleEdit()->text(), QString("Nuova libreria 2"));
        QCOMPARE(Fields(second).KeyEdit()->text(), QString("M01"));
        QCOMPARE(Titles(second)->currentText(), QString("Componente 1"));
        QCOMPARE(Titles(second)->count(), 1);
        QVERIFY(!second->Document().IsModified());
        QStringList menus;
        for (QAction* a : frame.menuBar()->actions())
            menus << a->text();
        QVERIFY(menus.contains("&Libreria"));
    }

    void aLibraryWithoutComponentsShowsEmptyFieldsUntilOneIsAdded() {
        CMainFrame frame;
        CMyMDIChildWnd* child = Open(frame, "[TAVOLIB Vuota]\r\n");
        QVERIFY(child);
        QCOMPARE(Titles(child)->count(), 0);
        QCOMPARE(Titles(child)->currentText(), QString());
        QCOMPARE(Fields(child).KeyEdit()->text(), QString());
        TypeTitle(child, "Niente"); // nothing shown: nothing to change
        QVERIFY(!child->Document().IsModified());
        frame.OnCommand(ID_LIB_ADD);
        QCOMPARE(Titles(child)->count(), 1);
        QCOMPARE(Fields(child).KeyEdit()->text(), QString("M01"));
        QCOMPARE(Titles(child)->currentText(), QString("Componente 1"));
    }

    // A list pick, an arrow key and the wheel on the closed box all store the
    // title typed into the shown component before showing the next one.
    void everyWayOfChoosingStoresTheShownComponentFirst() {
        const struct {
            const char* how;
            std::function<void(QComboBox*)> choose;
        } ways[] = {
            {"pick", [](QComboBox* b) { Pick(b, 1); }}, {"arrow", ArrowDown}, {"wheel", WheelDown}};
        for (const auto& way : ways) {
            CMainFrame frame;
            CMyMDIChildWnd* child = Open(frame, kThree);
            QVERIFY(child);
            TypeTitle(child, "Nuovo titolo");
            QVERIFY2(child->Document().IsModified(), way.how);
            // After typing, the first choice only stores the title; the next switches.
            way.choose(Titles(child));
            QVERIFY2(Library(child).Current() == 0, way.how);
            QCOMPARE(Library(child).ComponentTexts()[0],
                     std::string("[A1 Nuovo titolo]\r\nLI 100 100 110 100\r\n"));
            QCOMPARE(Titles(child)->currentText(), QString("Nuovo titolo"));
            way.choose(Titles(child));
            QVERIFY2(Library(child).Current() == 1, way.how);
            QCOMPARE(Fields(child).KeyEdit()->text(), QString("B2"));
            QCOMPARE(Titles(child)->currentText(), QString("Secondo"));
            QCOMPARE(Titles(child)->itemText(0), QString("Nuovo titolo"));
            QVERIFY(m_ui.m_messages.empty());
        }
    }

    void aRefusedKeyKeepsTheUserOnTheComponentWithWhatWasTyped() {
        CMainFrame frame;
        CMyMDIChildWnd* child = Open(frame, kThree);
        TypeKey(child, "ABCDEFGHI");
        TypeTitle(child, "Altro");
        for (auto choose : {std::function<void(QComboBox*)>(ArrowDown),
                            std::function<void(QComboBox*)>(WheelDown)}) {
            choose(Titles(child));
            QCOMPARE(Library(child).Current(), 0);
            QCOMPARE(Titles(child)->currentIndex(), 0);
            QCOMPARE(Fields(child).KeyEdit()->text(), QString("ABCDEFGHI"));
            QCOMPARE(Titles(child)->currentText(), QString("Altro"));
            QCOMPARE(Library(child).ComponentTexts()[0],
                     std::string("[A1 Primo]\r\nLI 100 100 110 100\r\n"));
        }
        QCOMPARE(m_ui.m_messages.size(), size_t(2));
        QVERIFY(m_ui.m_messages[0].find("8 caratteri") != std::string::npos);
    }

    void theListOpeningTakesTheTypedTitle() {
        CMainFrame frame;
        CMyMDIChildWnd* child = Open(frame, kThree);
        TypeTitle(child, "Cambiato");
        Titles(child)->showPopup();
        QCOMPARE(Titles(child)->itemText(0), QString("Cambiato"));
        QCOMPARE(Titles(child)->currentIndex(), 0);
        QCOMPARE(Titles(child)->currentText(), QString("Cambiato"));
        Titles(child)->hidePopup();
    }

    // Only a choice switches: not Return, nor leaving the box, with a title
    // that another component has.
    void typingAnotherComponentsTitleSwitchesNothing() {
        CMainFrame frame;
        CMyMDIChildWnd* child = Open(frame, kThree);
        TypeTitle(child, "Terzo");
        QTest::keyClick(Titles(child)->lineEdit(), Qt::Key_Return);
        emit Titles(child)->lineEdit()->editingFinished(); // as when the focus leaves
        QCOMPARE(Library(child).Current(), 0);
        QCOMPARE(Titles(child)->currentText(), QString("Terzo"));
        QCOMPARE(Titles(child)->count(), 3);
    }

    // "]" and control characters are refused as typed or pasted; a title that
    // came with one from the file keeps it and can still be edited.
    void headerFieldsRefuseWhatWouldBreakTheHeader() {
        CMainFrame frame;
        CMyMDIChildWnd* child = Open(frame, "[TAVOLIB T]\n[K1 Tab\there]\n");
        QLineEdit* title = Titles(child)->lineEdit();
        QCOMPARE(title->text(), QString("Tab\there"));
        title->end(false);
        QTest::keyClicks(title, "!]");
        QCOMPARE(title->text(), QString("Tab\there!"));
        QLineEdit* key = Fields(child).KeyEdit();
        key->end(false);
        QTest::keyClicks(key, "]x");
        QCOMPARE(key->text(), QString("K1x"));
        key->insert("a]b"); // a paste goes through the same check
        QCOMPARE(key->text(), QString("K1x"));
        TypeKey(child, "K2");
        Titles(child)->showPopup(); // stores nothing: only the list follows
        Titles(child)->hidePopup();
        QVERIFY(Library(child).StoreComponent());
        QCOMPARE(Library(child).ComponentTexts()[0], std::string("[K2 Tab\there!]\r\n"));
    }

    void theFieldsShareTheRemainingWidthFortyTwentyForty() {
        CMainFrame frame;
        frame.resize(1000, 700);
        frame.show();
        CMyMDIChildWnd* child = frame.NewDocument(DOC_LIBRARY);
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CDocumentBar* bar = child->Bar();
        auto widths = [&] {
            return QList<int>{bar->TitleEdit()->width(), Fields(child).KeyEdit()->width(),
                              Titles(child)->width()};
        };
        // The fields end 30 pixels (and the spacing) before the bar's end.
        auto laidOut = [&] {
            const QList<int> w = widths();
            const int gap = bar->width() - Titles(child)->geometry().right();
            return qAbs(w[0] - 2 * w[1]) <= 1 && w[0] == w[2] && gap > 25 && gap < 45;
        };
        for (int w : {900, 640}) {
            child->showNormal();
            child->resize(w, 400);
            QTRY_VERIFY(laidOut());
            QVERIFY(Titles(child)->isVisible());
        }
        const QList<int> before = widths();
        child->resize(200, 400); // too narrow: the fields keep their widths
        QTest::qWait(20);
        QCOMPARE(widths(), before);
    }

    void libraryCommandsAddInsertAndRemoveAfterAskingWithNoTheDefault() {
        CMainFrame frame;
        CMyMDIChildWnd* child = Open(frame, kThree);
        child->Document().SetUi(child->Ui());
        Pick(Titles(child), 1);
        frame.OnCommand(ID_LIB_INSERT_BEFORE);
        frame.OnCommand(ID_LIB_ADD);
        QCOMPARE(Titles(child)->count(), 5);
        QCOMPARE(Titles(child)->itemText(1), QString("Componente 1"));
        QCOMPARE(Fields(child).KeyEdit()->text(), QString("M02"));
        QCOMPARE(Library(child).Current(), 4);
        QString yes, no;
        QMessageBox::StandardButton def = QMessageBox::NoButton;
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    yes = box->button(QMessageBox::Yes)->text();
                    no = box->button(QMessageBox::No)->text();
                    def = box->standardButton(box->defaultButton());
                }
            AnswerNextMessageBox(QMessageBox::No);
        });
        frame.OnCommand(ID_LIB_REMOVE);
        QCOMPARE(yes, QString("&S\u00ec"));
        QCOMPARE(no, QString("&No"));
        QCOMPARE(def, QMessageBox::No);
        QCOMPARE(Titles(child)->count(), 5);
        QTimer::singleShot(0, [] { AnswerNextMessageBox(QMessageBox::Yes); });
        frame.OnCommand(ID_LIB_REMOVE);
        QCOMPARE(Titles(child)->count(), 4);
        QCOMPARE(Library(child).Current(), 3);
        QCOMPARE(Fields(child).KeyEdit()->text(), QString("C3"));
    }

    void theNumberingDialogStaysOpenWhileRefusedAndCancelChangesNothing() {
        CFakeUi ui;
        CSchemoLibDoc doc(&ui);
        doc.Load(kThree);
        const std::vector<std::string> texts = doc.ComponentTexts();
        {
            CNumberDlg dlg(nullptr, [&](const CNumbering& n) { return doc.ApplyNumbering(n); });
            QLineEdit* prefix = dlg.findChild<QLineEdit*>("1026");
            QCOMPARE(prefix->text(), QString("M"));
            prefix->selectAll();
            QTest::keyClicks(prefix, "A-BCDEFGHIJ"); // "-" and the ninth letter refused
            QCOMPARE(prefix->text(), QString("ABCDEFGH"));
            dlg.findChild<QSpinBox*>("1027")->setValue(10);
            dlg.accept();
            QCOMPARE(dlg.result(), int(QDialog::Rejected)); // not closed: still running
            QCOMPARE(ui.m_messages.size(), size_t(1));
            QCOMPARE(doc.ComponentTexts(), texts);
            dlg.reject();
            QCOMPARE(doc.ComponentTexts(), texts);
            QVERIFY(!doc.IsModified());
        }
        CNumberDlg dlg(nullptr, [&](const CNumbering& n) { return doc.ApplyNumbering(n); });
        QLineEdit* prefix = dlg.findChild<QLineEdit*>("1026");
        prefix->setText("R");
        dlg.findChild<QSpinBox*>("1027")->setValue(8);
        QSpinBox* step = dlg.findChild<QSpinBox*>("1028");
        QCOMPARE(step->minimum(), 1);
        QCOMPARE(step->maximum(), 100000000);
        dlg.findChild<QCheckBox*>("1029")->setChecked(true);
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(doc.ComponentTexts()[2].substr(0, 5), std::string("[R10 "));
        QCOMPARE(doc.ComponentTexts()[0].substr(0, 5), std::string("[R08 "));
    }

  private:
    CMyMDIChildWnd* Open(CMainFrame& frame, const char* text) {
        const QString path = m_dir.filePath("tre.tvl");
        std::ofstream(path.toStdString(), std::ios::binary) << text;
        if (!frame.OpenFile(path)) return nullptr;
        CMyMDIChildWnd* child = frame.findChild<CMyMDIChildWnd*>();
        child->Document().SetUi(&m_ui);
        return child;
    }

    QTemporaryDir m_dir;
    CFakeUi m_ui;
};

QTEST_MAIN(LibraryWindowTest)
#include "library_window_test.moc"
