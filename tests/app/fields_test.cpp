// The document bar and the view: the header fields as typed, the wheel, and
// every way of choosing another component of a library.
#include "../doc/fake_ui.h"
#include "app/document_bar.h"
#include "app/library_bar.h"
#include "app/schemo_view.h"
#include "app_test_util.h"
#include "doc/library_doc.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

namespace {
const char* const kThree = "[TAVOLIB Tre]\r\n{Passivi}\r\n[A1 Pri\tmo]\r\nLI 100 100 110 100\r\n"
                           "[B2 Secondo]\r\n{Altri}\r\n[C3 Terzo]\r\nSA 100 100\r\n";

void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}
void Wheel(QWidget* w, int nDelta) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, nDelta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// A library with its view and bar, as a window holds them.
struct CLibraryWindow {
    CFakeUi ui;
    CSchemoLibDoc doc{&ui};
    std::unique_ptr<CSchemoView> view;
    std::unique_ptr<CDocumentBar> bar;

    CLibraryWindow() {
        doc.Load(kThree);
        doc.m_strTitle = "Prova ] vecchia";
        view = std::make_unique<CSchemoView>(doc, nullptr, nullptr);
        bar = std::make_unique<CDocumentBar>(doc, *view, nullptr, nullptr);
    }
    QLineEdit* Key() const { return bar->LibraryFields()->KeyEdit(); }
    QComboBox* Titles() const { return bar->LibraryFields()->TitleBox(); }
};
} // namespace

class FieldsTest : public QObject {
    Q_OBJECT
  private slots:
    // The long title, "TBM" and "TLM" refuse as typed or pasted what would
    // end a header line early; what came so from the file stays. Only the
    // library's fields beep, only typing is a change, and only a choice
    // switches: not Return, nor leaving the box, with another one's title.
    void theHeaderFieldsAsTyped() {
        CLibraryWindow w;
        const struct {
            QLineEdit* edit;
            const char* shown;
            int nBeeps;
        } fields[] = {{w.bar->TitleEdit(), "Prova ] vecchia", 0}, {w.Key(), "A1", 3}, {w.Titles()->lineEdit(), "Pri\tmo", 3}};
        QVERIFY(!w.doc.IsModified());
        for (const auto& f : fields) {
            QCOMPARE(f.edit->text(), QString(f.shown));
            f.edit->end(false);
            const QStringList trace = Traced([&] {
                QTest::keyClicks(f.edit, "x]");
                f.edit->insert("a]b");
                f.edit->insert("a\tb");
            });
            QCOMPARE(f.edit->text(), QString(f.shown) + "x");
            QCOMPARE(trace.count("BEEP"), f.nBeeps);
        }
        QVERIFY(w.doc.IsModified());
        QCOMPARE(w.doc.m_strTitle, std::string("Prova ] vecchiax"));
        Retype(w.Titles()->lineEdit(), "Terzo");
        QTest::keyClick(w.Titles()->lineEdit(), Qt::Key_Return);
        emit w.Titles()->lineEdit()->editingFinished(); // as when the focus leaves
        w.Titles()->showPopup();                        // the list shows what was typed
        QCOMPARE(w.Titles()->itemText(0), QString("Terzo"));
        QCOMPARE(w.Titles()->count(), 3);
        w.Titles()->hidePopup();
        QVERIFY(w.doc.Current() == 0 && w.doc.StoreComponent());
        QCOMPARE(w.doc.ComponentTexts()[0], std::string("[A1x Terzo]\r\nLI 100 100 110 100\r\n"));
    }

    void theWheelTurnedTowardsTheUserScrollsDown() {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        CSchemoView view(doc, nullptr, nullptr);
        view.resize(400, 300);
        view.StartView();
        const int nTop = view.Coords().GetScrollPos().y;
        Wheel(view.viewport(), -120);
        QVERIFY(view.Coords().GetScrollPos().y > nTop);
    }

    // A list pick, an arrow key and the wheel on the closed box: the first
    // choice after typing only stores the title typed, the next one switches;
    // a refused key keeps the user on the component with what was typed.
    void everyWayOfChoosingStoresTheShownComponentFirst() {
        const struct {
            const char* how;
            std::function<void(QComboBox*)> choose;
        } ways[] = {{"pick",
                     [](QComboBox* b) {
                         b->setCurrentIndex(b->currentIndex() + 1); // as the list does: the entry, then the news
                         emit b->activated(b->currentIndex());
                     }},
                    {"arrow", [](QComboBox* b) { QTest::keyClick(b, Qt::Key_Down); }},
                    {"wheel", [](QComboBox* b) { Wheel(b, -120); }}};
        for (const auto& way : ways) {
            CLibraryWindow w;
            Retype(w.Titles()->lineEdit(), "Nuovo titolo");
            way.choose(w.Titles());
            QVERIFY2(w.doc.Current() == 0, way.how);
            QCOMPARE(w.doc.ComponentTexts()[0], std::string("[A1 Nuovo titolo]\r\nLI 100 100 110 100\r\n"));
            way.choose(w.Titles());
            QVERIFY2(w.doc.Current() == 1, way.how);
            QCOMPARE(w.Key()->text(), QString("B2"));
            QCOMPARE(w.Titles()->currentText(), QString("Secondo"));
            QCOMPARE(w.Titles()->itemText(0), QString("Nuovo titolo"));
            QVERIFY(w.ui.m_messages.empty());

            Retype(w.Key(), "ABCDEFGHI");
            Retype(w.Titles()->lineEdit(), "Altro");
            way.choose(w.Titles());
            QVERIFY2(w.doc.Current() == 1 && w.Titles()->currentIndex() == 1, way.how);
            QCOMPARE(w.Key()->text(), QString("ABCDEFGHI"));
            QCOMPARE(w.Titles()->currentText(), QString("Altro"));
            QCOMPARE(w.ui.m_messages.size(), std::size_t(1));
            QVERIFY(w.ui.m_messages[0].find("8 caratteri") != std::string::npos);
        }
    }

};

APP_TEST_CLASS(FieldsTest)
#include "fields_test.moc"
