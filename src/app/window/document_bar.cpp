#include "app/window/document_bar.h"

#include "app/bars/library_bar.h"
#include "app/dialogs/field_validator.h"
#include "app/frame/trace.h"
#include "app/window/schemo_view.h"
#include "doc/library/library_doc.h"
#include "qtlayer/qt_fontfaces.h"
#include "view/viewport/zoom_text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>

CDocumentBar::CDocumentBar(CSchemoDoc& doc, CSchemoView& view, QAction* origin, QWidget* parent)
    : QToolBar(parent), m_doc(doc), m_view(view), m_pZoom(new QComboBox(this)),
      m_pTitle(new QLineEdit(this)) {
    setObjectName("59407");
    setMovable(false);
    if (origin) addAction(origin);
    addWidget(new QLabel(" Zoom ", this));
    m_pZoom->setEditable(true);
    m_pZoom->setInsertPolicy(QComboBox::NoInsert);
    m_pZoom->setCompleter(nullptr); // a completed "15" would apply as "150%"
    m_pZoom->setObjectName("1012");
    m_pZoom->setToolTip(
        QCoreApplication::translate("CDocumentBar", "Seleziona il fattore di scala"));
    for (const std::string& t : ZoomListTexts())
        m_pZoom->addItem(QString::fromStdString(t));
    m_pZoom->setMinimumContentsLength(6);
    addWidget(m_pZoom);
    addWidget(new QLabel(" TL ", this));
    m_pTitle->setObjectName("1011");
    m_pTitle->setToolTip(
        QCoreApplication::translate("CDocumentBar", "Titolo Lungo documento (TL)"));
    LimitHeaderField(m_pTitle, false);
    addWidget(m_pTitle);
    if (auto* library = dynamic_cast<CSchemoLibDoc*>(&doc))
        m_pLibrary = new CLibraryBarFields(*library, view, this);
    connect(m_pZoom->lineEdit(), &QLineEdit::returnPressed, this, [this] { ApplyTyped(); });
    connect(m_pZoom, qOverload<int>(&QComboBox::activated), this,
            [this](int i) { ApplyChosen(i); });
    connect(m_pTitle, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_doc.m_strTitle = EncodeCp1252Lossy(text);
        m_doc.SetModified(true);
    });
    ShowTitle();
}

// The library's fields leave the document before the bar's widgets go, and
// the zoom box, which may lose the focus as they go, no longer reaches the
// view, which has gone already.
CDocumentBar::~CDocumentBar() {
    delete m_pLibrary;
    m_pZoom->disconnect(this);
    m_pZoom->lineEdit()->disconnect(this);
}

// The list's entry is kept on the text shown: the box "chooses" an entry
// whose text differs from its own when it loses the focus, and that would
// send the view back to the sheet's corner at every change of window.
void CDocumentBar::ShowZoom(double dScale) {
    m_dScale = dScale;
    const QString text = QString::fromStdString(ZoomBoxText(dScale));
    const QSignalBlocker block(m_pZoom);
    const int nItem = m_pZoom->findText(text);
    if (nItem >= 0) m_pZoom->setCurrentIndex(nItem);
    m_pZoom->setEditText(text);
}

// Only a title that differs is put in: the cursor stays where the user typed.
void CDocumentBar::ShowTitle() {
    const QString title = DecodeCp1252(m_doc.m_strTitle);
    if (m_pTitle->text() != title) m_pTitle->setText(title);
}

// Only a finished entry counts: Return, or a choice from the list.
void CDocumentBar::ApplyTyped() {
    const auto n = ParseTypedZoom(m_pZoom->currentText().toStdString());
    if (n)
        m_view.ApplyZoomPercent(*n);
    else
        ShowZoom(m_dScale);
    TraceLine("ZOOM " + m_pZoom->currentText());
}

void CDocumentBar::ApplyChosen(int nIndex) {
    const auto n = ParseChosenZoom(m_pZoom->itemText(nIndex).toStdString());
    if (n)
        m_view.ApplyZoomPercent(*n);
    else
        ShowZoom(m_dScale);
}

void CDocumentBar::resizeEvent(QResizeEvent* event) {
    QToolBar::resizeEvent(event);
    SizeFields();
}

// The title takes what the other items leave, less 30 pixels; a library's
// "TL", "TBM" and "TLM" share it 40 : 20 : 40. When less than 41 pixels
// remain, the fields keep their widths.
void CDocumentBar::SizeFields() {
    const int nAvailable = width() - FixedWidth() - 30;
    if (nAvailable < 41) return;
    if (!m_pLibrary) {
        m_pTitle->setFixedWidth(nAvailable);
        return;
    }
    const int nWide = int(nAvailable * 0.4), nNarrow = int(nAvailable * 0.2);
    m_pTitle->setFixedWidth(nWide);
    m_pLibrary->SetWidths(nNarrow, nWide);
}

// The items of fixed width with the spacing of every item and the bar's margins.
int CDocumentBar::FixedWidth() const {
    const int nSpacing = style()->pixelMetric(QStyle::PM_ToolBarItemSpacing, nullptr, this);
    const int nMargin = style()->pixelMetric(QStyle::PM_ToolBarItemMargin, nullptr, this) +
                        style()->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, this);
    int n = 2 * nMargin;
    for (QAction* a : actions()) {
        const QWidget* w = widgetForAction(a);
        if (!w || !a->isVisible()) continue;
        n += nSpacing;
        if (w != m_pTitle && !(m_pLibrary && m_pLibrary->IsSized(w))) n += w->sizeHint().width();
    }
    return n;
}
