// The layers in the main window with the offscreen platform: the combo box's
// items, colours and choices, and "Gestione Layer" cancelled, saved and
// confirmed.
#include "app_test_util.h"
#include "app/child_frame.h"
#include "app/layer_combo.h"
#include "app/layer_dialog.h"
#include "app/main_frame.h"
#include "doc/settings.h"
#include "format/reader.h"
#include "view/commands.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

class LayerWidgetsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { IsolateSettings(); }
    void cleanup() { QSettings().clear(); }

    void theComboShowsEachStoredLayerInItsColour() {
        QSettings().setValue("Layers/Name0", "");
        QSettings().setValue("Layers/Name4", QString::fromUtf8("€ Fori"));
        QSettings().setValue("Layers/Color4", int(RGB(255, 128, 0)));
        CMainFrame frame;
        CLayerCombo* combo = Combo(frame);
        QCOMPARE(qobject_cast<QToolBar*>(combo->parentWidget())->windowTitle(),
                 QString("Primitive di disegno"));
        QCOMPARE(combo->toolTip(), QString("Layer"));
        QCOMPARE(combo->statusTip(),
                 QString("Imposta il layer su cui saranno inseriti i nuovi componenti"));
        QCOMPARE(combo->count(), 16);
        QCOMPARE(combo->itemText(0), QString("Schema"));
        QCOMPARE(combo->itemText(2), QString("PCB lato componenti"));
        QCOMPARE(combo->itemData(3, CLayerCombo::LAYER_COLOR_ROLE).value<QColor>(),
                 QColor(0, 150, 150));
        QCOMPARE(combo->itemData(3).toInt(), 4);
        QCOMPARE(combo->itemText(4),
                 QString::fromUtf8("€ Fori")); // byte 0x80, not a control character
        QCOMPARE(combo->itemData(4, CLayerCombo::LAYER_COLOR_ROLE).value<QColor>(),
                 QColor(255, 128, 0));
        QCOMPARE(combo->currentIndex(), 0);

        combo->setCurrentIndex(4); // the closed box draws the square in the layer's colour
        QVERIFY(Holds(combo->grab().toImage(), QColor(255, 128, 0)));
    }

    void aChoiceMovesTheSelectionOfTheActiveDocumentOnly() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        CSchemoDoc& doc = Drawing(frame, true).Document();
        CLayerCombo* combo = Combo(frame);
        QTest::keyClick(&frame, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(combo->hasFocus());
        QTest::keyClick(combo, Qt::Key_Down); // an arrow key on the closed box applies at once
        QCOMPARE(frame.CurrentLayer(), 1);
        QCOMPARE(doc.Primitives()[0]->GetLayer(), 1);
        QCOMPARE(doc.Primitives()[1]->GetLayer(), 1);
        QVERIFY(doc.Selection().empty());
        QVERIFY(doc.IsModified());
        QVERIFY(frame.windowTitle().endsWith("*"));
        QVERIFY(doc.CanUndo());

        doc.SetModified(false);
        QTest::keyClick(combo, Qt::Key_Down); // nothing selected: only the current layer
        QCOMPARE(frame.CurrentLayer(), 2);
        QCOMPARE(doc.Primitives()[0]->GetLayer(), 1);
        QVERIFY(!doc.IsModified());
    }

    void okHidingLayerOneDeselectsItInEveryDocumentAndKeepsTheComboOnItsLayer() {
        CMainFrame frame;
        frame.show();
        CLayerCombo* combo = Combo(frame);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(combo, Qt::Key_Down); // layer 3, nothing open
        QCOMPARE(frame.CurrentLayer(), 3);
        CSchemoDoc& first = Drawing(frame, true).Document();
        CSchemoDoc& second = Drawing(frame, true).Document();
        RunDialog(frame, [](CLayerDlg* dlg) {
            dlg->findChild<QCheckBox*>("Show1")->setChecked(false);
            dlg->findChild<QLineEdit*>("Name3")->setText("PCB"); // begins "PCB lato rame"
            Button(dlg, "OK")->click();
        });
        for (CSchemoDoc* doc : {&first, &second}) {
            QCOMPARE(int(doc->Selection().size()), 1);
            QCOMPARE(doc->Selection().front()->GetLayer(), 0);
            QVERIFY(!doc->Primitives()[1]->IsSelected());
            QVERIFY(!doc->IsModified());
        }
        QCOMPARE(g_layers.m_bLayerShow[1], 0);
        QCOMPARE(combo->currentIndex(), 3);
        QCOMPARE(combo->currentText(), QString("PCB"));
        QCOMPARE(frame.CurrentLayer(), 3);
        QVERIFY(!QSettings().contains("Layers/Show1")); // OK stores nothing
    }

  private:
    static CLayerCombo* Combo(CMainFrame& frame) { return frame.findChild<CLayerCombo*>(); }

    // A saved drawing with a line on layer 0 and a rectangle on layer 1; both selected when asked.
    static CMyMDIChildWnd& Drawing(CMainFrame& frame, bool bSelectAll) {
        CMyMDIChildWnd* child = frame.NewDocument(DOC_DRAWING);
        CSchemoDoc& doc = child->Document();
        CPrimitive* line = doc.Append(ParsePrimitiveLine("LI 10 10 20 10"));
        CPrimitive* rect = doc.Append(ParsePrimitiveLine("RV 30 30 40 40 1"));
        doc.PushUndoSnapshot();
        doc.SetModified(false); // as a drawing just saved
        if (bSelectAll) {
            doc.Select(line, true);
            doc.Select(rect, true);
        }
        return *child;
    }

    static bool Holds(const QImage& image, const QColor& color) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == color) return true;
        return false;
    }

    static QByteArray FileBytes() {
        QFile f(QSettings().fileName());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    static QPushButton* Button(QWidget* dlg, const char* text) {
        for (QPushButton* b : dlg->findChildren<QPushButton*>())
            if (b->text() == text) return b;
        qFatal("no button %s", text);
    }

    // Runs "Gestione Layer" from its command and lets `act` work in it.
    static void RunDialog(CMainFrame& frame, std::function<void(CLayerDlg*)> act) {
        bool bRan = false;
        std::function<void()> poll = [&] {
            if (auto* dlg = qobject_cast<CLayerDlg*>(QApplication::activeModalWidget())) {
                act(dlg);
                bRan = true;
                return;
            }
            QTimer::singleShot(10, poll);
        };
        QTimer::singleShot(0, poll);
        frame.OnCommand(ID_LAYERS);
        QVERIFY(bRan);
    }
};

QTEST_MAIN(LayerWidgetsTest)
#include "layer_widgets_test.moc"
