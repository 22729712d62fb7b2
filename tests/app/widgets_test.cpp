// The editor's widgets with the offscreen platform. The logic behind them is
// proven in the core; here only that the widgets reach it: the title, the
// real clipboard, what dialogs accept and hand back, the ranges of their spin
// boxes, the header fields as typed, and text shown or typed as Windows-1252.
#include "support/fake_ui.h"
#include "app/window/child_frame.h"
#include "app/dialogs/config_dialog.h"
#include "app/window/document_bar.h"
#include "app/dialogs/export_dialog.h"
#include "app/dialogs/grid_dialog.h"
#include "app/dialogs/int_spin_edit.h"
#include "app/bars/layer_combo.h"
#include "app/dialogs/layer_dialog.h"
#include "app/bars/library_bar.h"
#include "app/bars/macro_bar.h"
#include "app/frame/main_frame.h"
#include "app/dialogs/number_dialog.h"
#include "app/frame/program_context.h"
#include "app/dialogs/property_dialog.h"
#include "app/platform/qt_clipboard.h"
#include "app/platform/qt_document_ui.h"
#include "app/window/schemo_view.h"
#include "app/frame/trace.h"
#include "doc/library/library_doc.h"
#include "doc/document/settings.h"
#include "format/library_files.h"
#include "format/macro_cache.h"
#include "format/program_dir.h"
#include "format/reader.h"
#include "model/prototypes.h"
#include "qtlayer/qt_translate.h"
#include "view/commands/commands.h"
#include "view/forms/picture_types.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {
QClipboard* Clip() {
    return QGuiApplication::clipboard();
}

template <class T> T* Named(QObject* parent, const char* text) {
    for (T* child : parent->findChildren<T*>())
        if (child->text() == text) return child;
    qFatal("nothing named %s", text);
}

// Lets `act` work in the next modal dialog of type T once it runs.
template <class T> void WhenModal(std::function<void(T*)> act) {
    if (auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget())) {
        act(dlg);
        if (dlg->isVisible()) dlg->reject(); // a failed check must not hang the test
        return;
    }
    QTimer::singleShot(10, [act] { WhenModal<T>(act); });
}
void AnswerNextMessageBox(QMessageBox::StandardButton button = QMessageBox::Ok) {
    WhenModal<QMessageBox>([button](QMessageBox* box) { box->button(button)->click(); });
}

// The trace lines written while `act` runs.
QStringList Traced(const std::function<void()>& act) {
    QTemporaryFile file;
    std::fflush(stderr);
    const int saved = dup(2);
    if (!file.open() || dup2(file.handle(), 2) < 0) return {"no trace"};
    EnableTrace(true);
    act();
    EnableTrace(false);
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    file.seek(0);
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

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

class WidgetsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }
    void cleanup() {
        QSettings().clear();
        g_settings = CSettings();
        g_layers = CLayerTable();
        g_library.folders.clear();
        g_library.cache.Clear();
        g_library.files.Clear();
        ResetPrototypes();
        Clip()->clear();
    }

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

    // The answer is the program's to keep: it splits from now on.
    void answeringNoToTheUnsplitWarningSplitsFromNowOn() {
        g_library.cache.Store("p.R1", CMacro());
        CFakeUi ui;
        ui.m_answer = ANSWER_NO;
        CSchemoDoc doc(DOC_DRAWING, &ui, g_library.context);
        QVERIFY(doc.Load("[TAVOLIN]\r\nMC 10 10 0 0 p.R1\r\n"));
        g_settings.bSplit = 0;
        QTemporaryDir dir;
        QVERIFY(SaveWithSettings(doc, QFile::encodeName(dir.filePath("d.tvd")).toStdString()));
        QCOMPARE(ui.m_nQuestions, 1);
        QCOMPARE(g_settings.bSplit, 1);
    }

    // A cut offers the bytes themselves to other copies of the program and
    // UTF-8 text to other programs; another program's text is read back as
    // Windows-1252, "?" where it has no byte.
    void theClipboardCarriesBytesAndWindows1252Text() {
        CMainFrame frame;
        CSchemoDoc& doc = frame.NewDocument(DOC_DRAWING)->Document();
        QVERIFY(doc.Load("[TAVOLIN]\r\nLI 10 10 40 10\r\nTY 1 2 5 3 0 0 0 * Perch\xe8 \x80\r\n"));
        doc.SetSelection({doc.Primitives()[1].get()});
        frame.OnCommand(ID_EDIT_CUT);
        const QByteArray bytes("[TAVOLIN]\r\nTY 1 2 5 3 0 0 0 * Perch\xe8 \x80\r\n");
        const QString plain =
            QString::fromUtf8("[TAVOLIN]\r\nTY 1 2 5 3 0 0 0 * Perch\u00e8 \u20ac\r\n");
        QCOMPARE(Clip()->mimeData()->data(CQtClipboard::kMimeType), bytes);
        QCOMPARE(Clip()->mimeData()->text(), plain);
        QCOMPARE(Clip()->mimeData()->data("text/plain;charset=utf-8"), plain.toUtf8());
        QCOMPARE(doc.Primitives().size(), std::size_t(1));
        CQtClipboard clip(nullptr, g_layers);
        std::string text;
        QVERIFY(clip.GetText(text));
        QCOMPARE(QByteArray::fromStdString(text), bytes);
        Clip()->setText(QString::fromUtf8("LI 1 2 3 4\r\n\u00e8\u20ac\u03c9\U0001F600x\n"));
        QVERIFY(clip.HasText() && clip.GetText(text));
        QCOMPARE(QByteArray::fromStdString(text), QByteArray("LI 1 2 3 4\r\n\xe8\x80??x\n"));
        Clip()->clear();
        QVERIFY(!clip.HasText() && !clip.GetText(text));
    }

    // "Incolla" follows the clipboard; a paste that finds nothing to place
    // beeps, one that starts does not, and ends when another document comes
    // forward.
    void aPasteFollowsTheClipboardAndTheActiveDocument() {
        CMainFrame frame;
        auto* paste = Named<QAction>(&frame, "Come nuova &selezione");
        Clip()->setText("niente da incollare");
        QVERIFY(!paste->isEnabled()); // no document
        CMyMDIChildWnd* first = frame.NewDocument(DOC_DRAWING);
        CMyMDIChildWnd* second = frame.NewDocument(DOC_DRAWING);
        first->mdiArea()->setActiveSubWindow(first);
        QVERIFY(paste->isEnabled());
        QCOMPARE(Traced([&] { frame.OnCommand(ID_EDIT_PASTE); }).count("BEEP"), 1);
        Clip()->setText("LI 1 2 3 4");
        QCOMPARE(Traced([&] { frame.OnCommand(ID_EDIT_PASTE); }).count("BEEP"), 0);
        QVERIFY(!first->View()->IsIdle());
        second->mdiArea()->setActiveSubWindow(second);
        QVERIFY(first->View()->IsIdle() && first->Document().Primitives().empty());
        Clip()->clear();
        QVERIFY(!paste->isEnabled());
    }

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

    // The "Libreria" commands reach the active library and its fields;
    // removing asks first.
    void theLibraryCommands() {
        CMainFrame frame;
        CMyMDIChildWnd* child = frame.NewDocument(DOC_LIBRARY);
        const auto& library = dynamic_cast<const CSchemoLibDoc&>(child->Document());
        QStringList shown;
        for (int nId : {ID_LIB_ADD, ID_LIB_INSERT_BEFORE, ID_LIB_INSERT_AFTER}) {
            frame.OnCommand(nId);
            shown << child->Bar()->LibraryFields()->KeyEdit()->text() + " " +
                         QString::number(library.Current());
        }
        QCOMPARE(shown, QStringList({"M02 1", "M03 1", "M04 2"}));
        AnswerNextMessageBox(QMessageBox::Yes);
        frame.OnCommand(ID_LIB_REMOVE);
        QCOMPARE(child->Bar()->LibraryFields()->TitleBox()->count(), 3);
    }

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

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
