#include "app/window/compare_window.h"

#include "app/frame/program_context.h"
#include "app/frame/trace.h"
#include "doc/diff/diff_picture.h"
#include "doc/document/settings.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_translate.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Both drawings at the widget's size, redrawn as it is resized.
class CDiffPicture final : public QWidget {
  public:
    CDiffPicture(const CPrimitiveList& oldList, const CPrimitiveList& newList,
                 const CDrawingDiff& diff, const CLayerTable& layers, QWidget* parent)
        : QWidget(parent), m_old(oldList), m_new(newList), m_diff(diff), m_layers(layers),
          m_area(DiffArea(oldList, newList, diff, 20)) {
        setMinimumSize(320, 240);
    }
    QSize sizeHint() const override { return {800, 600}; }

  protected:
    // A large drawing takes a while: drawn again only when the size changes.
    void paintEvent(QPaintEvent*) override {
        if (m_image.size() != size()) {
            m_image = QImage(size(), QImage::Format_RGB32);
            m_image.fill(Qt::white);
            CQtSurface dc(m_image);
            SetDiffMapping(dc, m_area, 0, 0, m_image.width(), m_image.height());
            DrawDrawingDiff(dc, m_old, m_new, m_diff, m_layers);
        }
        QPainter(this).drawImage(0, 0, m_image);
    }

  private:
    const CPrimitiveList& m_old;
    const CPrimitiveList& m_new;
    const CDrawingDiff& m_diff;
    const CLayerTable& m_layers;
    CRect m_area;
    QImage m_image;
};

CPrimitiveList CopyList(const CPrimitiveList& list) {
    CPrimitiveList copy;
    copy.reserve(list.size());
    for (const auto& p : list)
        copy.push_back(p->Clone());
    return copy;
}
} // namespace

CCompareWindow::CCompareWindow(std::unique_ptr<CSchemoDoc> oldDoc, const CSchemoDoc& newDoc,
                               const QString& oldName, const QString& newName, QWidget* parent)
    : QWidget(parent, Qt::Window), m_pOld(std::move(oldDoc)),
      m_newList(CopyList(newDoc.Primitives())), m_diff(CompareDrawings(*m_pOld, newDoc)),
      m_layers(g_layers), m_pList(new QListWidget(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Confronto tra %1 e %2").arg(oldName, newName));
    auto* legend = new QLabel(
        m_diff.Same() ? tr("Nessuna differenza") : DecodeCp1252(m_diff.Legend(TrCoreBytes)), this);
    for (const CDrawingChange& c : m_diff.changes)
        m_pList->addItem(DecodeCp1252(c.TextLine()));
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(new CDiffPicture(m_pOld->Primitives(), m_newList, m_diff, m_layers, split));
    split->addWidget(m_pList);
    split->setStretchFactor(0, 1);
    split->setSizes({560, 160});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(legend);
    layout->addWidget(split, 1);
    connect(m_pList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int nRow = m_pList->row(item);
        if (m_onChosen && nRow >= 0) m_onChosen(m_diff.changes[std::size_t(nRow)]);
    });
    resize(820, 760);
}

CCompareWindow::~CCompareWindow() = default;

void CCompareWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_bTraced || !IsTraceEnabled()) return;
    m_bTraced = true;
    QTimer::singleShot(0, this, [this] { TraceShown(); });
}

// For scripts: "COMPARE n x y", the number of changes and where the list's
// first line is on the screen.
void CCompareWindow::TraceShown() {
    QPoint at(-1, -1);
    if (m_pList->count() > 0)
        at = m_pList->viewport()->mapToGlobal(m_pList->visualItemRect(m_pList->item(0)).center());
    TraceLine(QString("COMPARE %1 %2 %3").arg(m_diff.changes.size()).arg(at.x()).arg(at.y()));
}
