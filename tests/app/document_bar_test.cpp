// The document bar: the long title refuses what would end the file's header
// line early ("]" and control characters) as it is typed or pasted, keeps
// them when they come from a file, and only typing marks the document; the
// zoom box applies a finished entry of 10..2000 % and shows the zoom again
// after anything else.
#include "app/document_bar.h"
#include "app/schemo_view.h"
#include "doc/document.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class DocumentBarTest : public QObject {
    Q_OBJECT
private slots:
    void TheTitleRefusesBracketsAndControlsAsTyped() {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        CSchemoView view(doc, nullptr, nullptr);
        CDocumentBar bar(doc, view, nullptr, nullptr);
        QTest::keyClicks(bar.TitleEdit(), "A] LI 0 0 9 9");
        QCOMPARE(doc.m_strTitle, std::string("A LI 0 0 9 9"));
        QVERIFY(doc.IsModified());
        bar.TitleEdit()->insert(QString("x\ty"));
        QCOMPARE(doc.m_strTitle, std::string("A LI 0 0 9 9"));
    }

    void ATitleFromAFileKeepsItsBracketAndIsNotAChange() {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        doc.m_strTitle = "Prova ] vecchia";
        CSchemoView view(doc, nullptr, nullptr);
        CDocumentBar bar(doc, view, nullptr, nullptr);
        QCOMPARE(bar.TitleEdit()->text(), QString("Prova ] vecchia"));
        QVERIFY(!doc.IsModified());
        bar.TitleEdit()->end(false);
        QTest::keyClicks(bar.TitleEdit(), "!]");
        QCOMPARE(doc.m_strTitle, std::string("Prova ] vecchia!"));
    }

    void TheZoomBoxAppliesOnlyAFinishedEntryInRange() {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        CSchemoView view(doc, nullptr, nullptr);
        CDocumentBar bar(doc, view, nullptr, nullptr);
        view.m_onZoomChanged = [&bar](double s) { bar.ShowZoom(s); };
        view.resize(400, 300);
        view.StartView();
        QLineEdit* edit = bar.ZoomBox()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, "1000%");
        QCOMPARE(view.Coords().GetScale(), 4.0); // nothing yet: Return applies
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(view.Coords().GetScale(), 10.0);
        edit->selectAll();
        QTest::keyClicks(edit, "3000%");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(view.Coords().GetScale(), 10.0);
        QCOMPARE(bar.ZoomBox()->currentText(), QString("1000%"));
        // Only what was typed applies: "15" is not completed to "150%".
        edit->selectAll();
        QTest::keyClicks(edit, "15");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(view.Coords().GetScale(), 10.0);
    }
};

QTEST_MAIN(DocumentBarTest)
#include "document_bar_test.moc"
