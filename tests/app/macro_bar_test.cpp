// The macro bar in the main window with the offscreen platform: the tree from
// a program folder, the tool a leaf chooses, the filter, the widths, and the
// watcher that reads a library once it has been written whole.
#include "app_test_util.h"
#include "app/child_frame.h"
#include "app/config_dialog.h"
#include "app/library_watcher.h"
#include "app/macro_bar.h"
#include "app/main_frame.h"
#include "doc/settings.h"
#include "format/library_files.h"
#include "format/macro_cache.h"
#include "format/program_dir.h"
#include "view/commands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class MacroBarTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { IsolateSettings(); }
    void init() {
        m_pDir = std::make_unique<QTemporaryDir>();
        QDir(m_pDir->path()).mkpath("libs");
        QDir(m_pDir->path()).mkpath("macros");
        g_libraryFolders = {QFile::encodeName(m_pDir->path()).toStdString()};
        g_macroCache.Clear();
        ForgetLibraryFiles();
    }
    void cleanup() {
        QSettings().clear();
        g_settings = CSettings();
        g_libraryFolders.clear();
        g_macroCache.Clear();
        m_pDir.reset();
    }

    void theTreeFillsFromTheProgramFolderInWindows1252() {
        Write("libs/parti.tvl", "[TAVOLIB Parti \x80]\r\n{Passivi}\r\n[R1 Resistenza \xE9]\r\nSA 100 100\r\n");
        Write("macros/logo.tvm", "[MACROCAD Il logo]\r\nRV 100 100 120 110\r\n");
        CMainFrame frame;
        CMacroBar* bar = frame.MacroBar();
        QCOMPARE(bar->objectName(), QString("59403"));
        QCOMPARE(bar->windowTitle(), QString("Macro"));
        QCOMPARE(bar->allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        QTreeWidget* tree = Tree(frame);
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->text(0), QString("Macro disponibili"));
        QVERIFY(root->isExpanded());
        QCOMPARE(Texts(root), (QStringList{"Libreria standard", QString::fromUtf8("Parti €"), "Il logo"}));
        QCOMPARE(Texts(root->child(0)).size(), 10);
        QCOMPARE(root->child(1)->child(0)->child(0)->text(0), QString::fromUtf8("Resistenza é"));
        QVERIFY(g_macroCache.Contains("parti.R1"));
        QVERIFY(!bar->GetSelectedMacro());
    }

    void aLeafChoosesTheMacroToolAndKeepsTheLastTool() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QAction* macroTool = Action(frame, "&Macro");
        frame.OnCommand(ID_TOOL_LINE);
        QVERIFY(!macroTool->isEnabled());
        QTreeWidgetItem* category = Tree(frame)->topLevelItem(0)->child(0)->child(1); // "Componenti discreti"
        Click(frame, category);
        QCOMPARE(frame.Tools().Current(), int(TOOL_LINE));
        QVERIFY(!macroTool->isEnabled());
        QCOMPARE(Selected(frame), QString("(none)"));
        category->setExpanded(true);
        Click(frame, category->child(0));
        QCOMPARE(frame.Tools().Current(), int(TOOL_MACRO));
        QCOMPARE(frame.Tools().Last(), int(TOOL_LINE));
        QVERIFY(macroTool->isEnabled() && macroTool->isChecked());
        QCOMPARE(Selected(frame), QString("~080"));
        frame.Tools().Escape();
        QCOMPARE(frame.Tools().Current(), int(TOOL_SELECT));
        Click(frame, category->child(0)); // clicking the selected leaf again chooses it again
        QCOMPARE(frame.Tools().Current(), int(TOOL_MACRO));
        frame.OnCommand(ID_REFRESH_MACROS); // a new tree: the same leaf stays selected and shown
        QCOMPARE(Selected(frame), QString("~080"));
        QVERIFY(macroTool->isEnabled());
        QVERIFY(Tree(frame)->currentItem()->parent()->isExpanded());
    }

    void theFilterHidesWhatDoesNotMatchAndReturnPicksTheFirstMatch() {
        Write("libs/parti.tvl", "[TAVOLIB Parti]\r\n[R1 Resistenza]\r\nSA 100 100\r\n");
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto* filter = frame.MacroBar()->findChild<QLineEdit*>();
        QTest::keyClick(&frame, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(filter->hasFocus());
        QTest::keyClicks(filter, "CONDE");
        QTreeWidgetItem* root = Tree(frame)->topLevelItem(0);
        QCOMPARE(Shown(root), (QStringList{"Libreria standard", "Componenti discreti", "Condensatore",
                                           "Condensatore elettrolitico", "Condensatore regolabile"}));
        QCOMPARE(frame.Tools().Current(), int(TOOL_SELECT));
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(Selected(frame), QString("~170"));
        QCOMPARE(frame.Tools().Current(), int(TOOL_MACRO));
        QCOMPARE(frame.Tools().Last(), int(TOOL_SELECT));
        filter->clear();
        QVERIFY(Shown(root).contains("Parti"));
        QVERIFY(!root->child(0)->child(0)->isHidden()); // "Simbologia di base"
    }

    void theWidthFollowsTheSettingWhenTheBarIsShownOrConfigured() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CMacroBar* bar = frame.MacroBar();
        QTRY_COMPARE(bar->width(), 205);
        QTimer::singleShot(0, [] { AcceptConfig("Grande"); });
        frame.OnCommand(ID_CONFIG);
        QTRY_COMPARE(bar->width(), 250);
        frame.OnCommand(ID_VIEW_MACRO_BAR);
        QVERIFY(bar->isHidden());
        QVERIFY(!Action(frame, "Barra delle &macro")->isChecked());
        QTimer::singleShot(0, [] { AcceptConfig("Piccola"); });
        frame.OnCommand(ID_CONFIG); // hidden: the width waits for the next showing
        frame.OnCommand(ID_VIEW_MACRO_BAR);
        QVERIFY(Action(frame, "Barra delle &macro")->isChecked());
        QTRY_COMPARE(bar->width(), 160);
    }

    // Half a library, then the rest 200 ms later: the tree is rebuilt once,
    // when the folder has been quiet, and holds both components.
    void aLibraryWrittenInTwoHalvesIsReadOnceAndWhole() {
        CMainFrame frame;
        QSignalSpy rebuilds(frame.findChild<CLibraryWatcher*>(), &CLibraryWatcher::librariesChanged);
        Write("libs/nuova.tvl", "[TAVOLIB Nuova]\r\n[N1 primo]\r\nSA 100 100\r\n");
        QTest::qWait(200);
        Write("libs/nuova.tvl", "[N2 secondo]\r\nSA 100 100\r\n", QIODevice::Append);
        QTRY_COMPARE_WITH_TIMEOUT(rebuilds.count(), 1, 3000);
        QTest::qWait(2 * CLibraryWatcher::QUIET_MS);
        QCOMPARE(rebuilds.count(), 1);
        QTreeWidgetItem* root = Tree(frame)->topLevelItem(0);
        QCOMPARE(Texts(root), (QStringList{"Libreria standard", "Nuova"}));
        QCOMPARE(Texts(root->child(1)), (QStringList{"primo", "secondo"}));
        QVERIFY(g_macroCache.Contains("nuova.N2"));
    }

    // Rewritten in place, a library drops its old components from the cache;
    // one whose libs folder appears after the start is seen too; and a close
    // the user cancels leaves the watcher running.
    void rewrittenAndLateLibrariesAreSeenAfterACancelledClose() {
        g_libraryFolders.push_back(QFile::encodeName(m_pDir->path() + "/late").toStdString());
        QDir(m_pDir->path()).mkpath("late");
        Write("libs/a.tvl", "[TAVOLIB A]\r\n[K1 uno]\r\nSA 100 100\r\n");
        CMainFrame frame;
        frame.show();
        CMyMDIChildWnd* child = frame.NewDocument(DOC_DRAWING);
        child->Document().SetModified(true);
        QTimer::singleShot(0, [] { AnswerNextMessageBox(QMessageBox::Cancel); });
        QVERIFY(!frame.close());
        Write("libs/a.tvl", "[TAVOLIB A]\r\n[K2 due]\r\nSA 100 100\r\n", QIODevice::WriteOnly);
        QDir(m_pDir->path()).mkpath("late/libs");
        Write("late/libs/b.tvl", "[TAVOLIB B]\r\n[K3 tre]\r\nSA 100 100\r\n");
        QTreeWidgetItem* root = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((root = Tree(frame)->topLevelItem(0)) && root->childCount() == 3, 3000);
        QCOMPARE(Texts(root->child(1)), QStringList{"due"});
        QCOMPARE(root->child(2)->text(0), QString("B"));
        QVERIFY(!g_macroCache.Contains("a.K1"));
        child->Document().SetModified(false);
    }

private:
    void Write(const QString& relative, const QByteArray& bytes,
               QIODevice::OpenMode mode = QIODevice::WriteOnly) {
        QFile f(m_pDir->path() + "/" + relative);
        if (!(mode & QIODevice::Append)) mode |= QIODevice::Truncate;
        QVERIFY(f.open(mode));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    static QTreeWidget* Tree(CMainFrame& frame) { return frame.MacroBar()->findChild<QTreeWidget*>(); }
    static QAction* Action(CMainFrame& frame, const char* pszCaption) {
        for (QAction* a : frame.findChildren<QAction*>())
            if (a->text() == pszCaption) return a;
        return nullptr;
    }
    static QString Selected(CMainFrame& frame) {
        return QString::fromStdString(frame.MacroBar()->GetSelectedMacro().value_or("(none)"));
    }
    static QStringList Texts(QTreeWidgetItem* item) {
        QStringList out;
        for (int i = 0; i < item->childCount(); ++i) out << item->child(i)->text(0);
        return out;
    }
    // Every item below the one given that is not hidden, depth first.
    static QStringList Shown(QTreeWidgetItem* item) {
        QStringList out;
        for (int i = 0; i < item->childCount(); ++i)
            if (!item->child(i)->isHidden()) out << item->child(i)->text(0) << Shown(item->child(i));
        return out;
    }
    static void Click(CMainFrame& frame, QTreeWidgetItem* item) {
        QTreeWidget* tree = Tree(frame);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }
    static void AcceptConfig(const QString& size) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dlg = qobject_cast<CConfigDlg*>(w); dlg && dlg->isVisible()) {
                for (QRadioButton* r : dlg->findChildren<QRadioButton*>())
                    if (r->text() == size) r->setChecked(true);
                dlg->accept();
                return;
            }
        QTimer::singleShot(10, [size] { AcceptConfig(size); });
    }

    std::unique_ptr<QTemporaryDir> m_pDir;
};

QTEST_MAIN(MacroBarTest)
#include "macro_bar_test.moc"
