// The bars: the layer box, the symbol tree and a library's header fields as
// typed, shown and typed text as Windows-1252.
#include "app/support/widget_test_support.h"

#include "app/bars/layer_combo.h"
#include "app/bars/macro_bar.h"
#include "app/dialogs/layer_dialog.h"
#include <QTreeWidget>

namespace {
// A library with its view and bar, as a window holds them.
struct CLibraryWindow {
    CFakeUi ui;
    CSchemoLibDoc doc{&ui, g_library.context};
    std::unique_ptr<CSchemoView> view;
    std::unique_ptr<CDocumentBar> bar;

    CLibraryWindow() {
        doc.Load("[TAVOLIB Tre]\r\n{Passivi}\r\n[A1 Pri\tmo]\r\nLI 100 100 110 100\r\n"
                 "[B2 Secondo]\r\n{Altri}\r\n[C3 Terzo]\r\nSA 100 100\r\n");
        doc.m_strTitle = "Prova ] vecchia";
        view = std::make_unique<CSchemoView>(doc, nullptr, nullptr);
        bar = std::make_unique<CDocumentBar>(doc, *view, nullptr, nullptr);
    }
    QLineEdit* Key() const { return bar->LibraryFields()->KeyEdit(); }
    QComboBox* Titles() const { return bar->LibraryFields()->TitleBox(); }
};
} // namespace

class BarsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { StartWidgetTests(); }
    void cleanup() { ResetProgramState(); }

    // The stored names and colours; a layer hidden in "Gestione Layer"
    // leaves the selection of every document.
    void theLayerBoxAndGestioneLayer() {
        QSettings().setValue("Layers/Name4", QString::fromUtf8("\u20ac Fori"));
        QSettings().setValue("Layers/Color4", int(RGB(255, 128, 0)));
        CMainFrame frame;
        auto* combo = frame.findChild<CLayerCombo*>();
        QCOMPARE(combo->itemText(4), QString::fromUtf8("\u20ac Fori"));
        QCOMPARE(combo->itemData(4, CLayerCombo::LAYER_COLOR_ROLE).value<QColor>(),
                 QColor(255, 128, 0));
        std::vector<CSchemoDoc*> docs;
        for (int i = 0; i < 2; ++i) {
            docs.push_back(&frame.NewDocument(DOC_DRAWING)->Document());
            QVERIFY(docs.back()->Load("[TAVOLIN]\r\nLI 10 10 20 10\r\nRV 30 30 40 40 1\r\n"));
            docs.back()->SetSelection(
                {docs.back()->Primitives()[0].get(), docs.back()->Primitives()[1].get()});
        }
        WhenModal<CLayerDlg>([](CLayerDlg* dlg) {
            dlg->findChild<QCheckBox*>("Show1")->setChecked(false);
            Named<QPushButton>(dlg, "OK")->click();
        });
        frame.OnCommand(ID_LAYERS);
        for (CSchemoDoc* doc : docs)
            QVERIFY(doc->Selection().size() == 1 && doc->Selection().front()->GetLayer() == 0);
    }

    // Read as Windows-1252, a leaf with its picture and its file; a click on a
    // leaf chooses the macro tool.
    void theMacroTreeFillsFromTheFolderAndALeafChoosesTheTool() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("libs");
        std::ofstream(QFile::encodeName(dir.filePath("libs/parti.tvl")).toStdString())
            << "[TAVOLIB Parti \x80]\r\n{Passivi}\r\n[R1 Resistenza \xE9]\r\nSA 100 100\r\n";
        g_library.folders = {QFile::encodeName(dir.path()).toStdString()};
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto* tree = frame.MacroBar()->findChild<QTreeWidget*>();
        QTreeWidgetItem* library = tree->topLevelItem(0)->child(1);
        QCOMPARE(library->text(0), QString::fromUtf8("Parti \u20ac"));
        QTreeWidgetItem* leaf = library->child(0)->child(0);
        QCOMPARE(leaf->text(0), QString::fromUtf8("Resistenza \u00e9"));
        QVERIFY(leaf->toolTip(0).contains("R1") && leaf->toolTip(0).contains("libs/parti.tvl"));
        const QImage picture = leaf->icon(0).pixmap(QSize(32, 20)).toImage();
        QVERIFY(qAlpha(picture.pixel(16, 10)) > 0); // the dot, in the middle
        tree->scrollToItem(leaf);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(leaf).center());
        QCOMPARE(frame.Tools().Current(), int(TOOL_MACRO));
        QCOMPARE(frame.MacroBar()->GetSelectedMacro().value_or(""), std::string("parti.R1"));
    }

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
        } fields[] = {{w.bar->TitleEdit(), "Prova ] vecchia", 0},
                      {w.Key(), "A1", 3},
                      {w.Titles()->lineEdit(), "Pri\tmo", 3}};
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

    // A list pick, an arrow key and the wheel on the closed box: the first
    // choice after typing only stores the title typed, the next one switches;
    // a refused key keeps the user on the component with what was typed.
    void everyWayOfChoosingStoresTheShownComponentFirst() {
        const struct {
            const char* how;
            std::function<void(QComboBox*)> choose;
        } ways[] = {{"pick",
                     [](QComboBox* b) { // as the list does: the entry, then the news
                         b->setCurrentIndex(b->currentIndex() + 1);
                         emit b->activated(b->currentIndex());
                     }},
                    {"arrow", [](QComboBox* b) { QTest::keyClick(b, Qt::Key_Down); }},
                    {"wheel", [](QComboBox* b) { Wheel(b, -120); }}};
        for (const auto& way : ways) {
            CLibraryWindow w;
            Retype(w.Titles()->lineEdit(), "Nuovo titolo");
            way.choose(w.Titles());
            QVERIFY2(w.doc.Current() == 0, way.how);
            QCOMPARE(w.doc.ComponentTexts()[0],
                     std::string("[A1 Nuovo titolo]\r\nLI 100 100 110 100\r\n"));
            way.choose(w.Titles());
            QVERIFY2(w.doc.Current() == 1, way.how);
            QCOMPARE(w.Key()->text(), QString("B2"));
            QCOMPARE(w.Titles()->currentText(), QString("Secondo"));
            QCOMPARE(w.Titles()->itemText(0), QString("Nuovo titolo"));

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

int RunBarsTest(int argc, char** argv) {
    BarsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "bars_test.moc"
