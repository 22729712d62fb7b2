#include "app/features/feature_compare.h"

#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "app/platform/file_filters.h"
#include "app/window/child_frame.h"
#include "app/window/compare_window.h"
#include "app/window/schemo_view.h"
#include "app/window/show_in_view.h"
#include "view/commands/compare_jump.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>

void CCompareFeature::Run(int) {
    QPointer<CMyMDIChildWnd> child = m_frame.ActiveChild();
    if (!child) return;
    const QString path = QFileDialog::getOpenFileName(
        m_frame.Window(), QCoreApplication::translate("CCompareFeature", "Confronta con"),
        QString(), OpenFileFilters());
    if (path.isEmpty() || !child) return;
    // Read as a drawing is opened, with the same messages.
    auto other = std::make_unique<CSchemoDoc>(DOC_DRAWING, nullptr, g_library.context);
    CQtDocumentUi ui(m_frame.Window());
    other->SetUi(&ui);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = other->LoadFile(QFile::encodeName(path).toStdString());
    QApplication::restoreOverrideCursor();
    other->SetUi(nullptr);
    if (!ok || !child) return;
    auto* window = new CCompareWindow(std::move(other), child->Document(),
                                      QFileInfo(path).fileName(), child->Name(), m_frame.Window());
    window->m_onChosen = [this, child](const CDrawingChange& c) { Follow(child, c); };
    window->show();
}

void CCompareFeature::Follow(const QPointer<CMyMDIChildWnd>& child, const CDrawingChange& change) {
    if (!child) return;
    CSchemoDoc& doc = child->Document();
    child->View()->CancelDrag();
    const CCompareJump j = JumpForChange(change, doc.Primitives());
    if (!j.bGo) return;
    std::vector<CPrimitive*> selection;
    if (j.nPrimitive >= 0) selection.push_back(doc.Primitives()[std::size_t(j.nPrimitive)].get());
    SelectAndCentre(m_frame.Mdi(), child, selection, j.centre);
    TraceLine(QString("JUMP %1 %2 %3").arg(j.nPrimitive).arg(j.centre.x).arg(j.centre.y));
}
