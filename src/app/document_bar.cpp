#include "app/document_bar.h"

#include "app/schemo_view.h"
#include "doc/document.h"
#include "qtlayer/qt_fontfaces.h"
#include "view/zoom_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace {
bool IsRefused(QChar c) { return c == QChar(']') || c.unicode() < 0x20 || c.unicode() == 0x7F; }

int CountRefused(const QString& s) {
    int n = 0;
    for (QChar c : s) n += IsRefused(c);
    return n;
}
} // namespace

// A title may not gain "]" or control characters, which would end the file's
// header line early; a title read from a file keeps any it already has.
class CTitleValidator final : public QValidator {
public:
    using QValidator::QValidator;
    int m_nAllowed = 0;
    State validate(QString& input, int&) const override {
        return CountRefused(input) > m_nAllowed ? Invalid : Acceptable;
    }
};

CDocumentBar::CDocumentBar(CSchemoDoc& doc, CSchemoView& view, QAction* origin, QWidget* parent)
    : QToolBar(parent), m_doc(doc), m_view(view), m_pZoom(new QComboBox(this)),
      m_pTitle(new QLineEdit(this)) {
    setObjectName("59407");
    setMovable(false);
    if (origin) addAction(origin);
    addWidget(new QLabel(" Zoom ", this));
    m_pZoom->setEditable(true);
    m_pZoom->setInsertPolicy(QComboBox::NoInsert);
    m_pZoom->setObjectName("1012");
    m_pZoom->setToolTip("Seleziona il fattore di scala");
    for (const std::string& t : ZoomListTexts()) m_pZoom->addItem(QString::fromStdString(t));
    m_pZoom->setMinimumContentsLength(6);
    addWidget(m_pZoom);
    addWidget(new QLabel(" TL ", this));
    m_pTitle->setObjectName("1011");
    m_pTitle->setToolTip("Titolo Lungo documento (TL)");
    m_pValidator = new CTitleValidator(m_pTitle);
    m_pTitle->setValidator(m_pValidator);
    addWidget(m_pTitle);
    connect(m_pZoom->lineEdit(), &QLineEdit::returnPressed, this, [this] { ApplyTyped(); });
    connect(m_pZoom, qOverload<int>(&QComboBox::activated), this, [this](int i) { ApplyChosen(i); });
    connect(m_pTitle, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_doc.m_strTitle = EncodeCp1252Lossy(text);
        m_doc.SetModified(true);
    });
    ShowTitle();
}

void CDocumentBar::ShowZoom(double dScale) {
    m_dScale = dScale;
    m_pZoom->setEditText(QString::fromStdString(ZoomBoxText(dScale)));
}

void CDocumentBar::ShowTitle() {
    const QString title = DecodeCp1252(m_doc.m_strTitle);
    m_pValidator->m_nAllowed = CountRefused(title);
    m_pTitle->setText(title);
}

// Only a finished entry counts: Return, or a choice from the list.
void CDocumentBar::ApplyTyped() {
    const auto n = ParseTypedZoom(m_pZoom->currentText().toStdString());
    if (n) m_view.ApplyZoomPercent(*n);
    else ShowZoom(m_dScale);
}

void CDocumentBar::ApplyChosen(int nIndex) {
    const auto n = ParseChosenZoom(m_pZoom->itemText(nIndex).toStdString());
    if (n) m_view.ApplyZoomPercent(*n);
    else ShowZoom(m_dScale);
}
