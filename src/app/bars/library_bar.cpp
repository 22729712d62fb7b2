#include "app/bars/library_bar.h"

#include "app/dialogs/field_validator.h"
#include "app/window/schemo_view.h"
#include "doc/library/library_doc.h"
#include "qtlayer/qt_fontfaces.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolBar>

#include <functional>

// The component box tells before its list drops down, so that a title typed
// into the edit part can replace its entry first.
class CComponentBox final : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<void()> m_onOpening;
    void showPopup() override {
        if (m_onOpening) m_onOpening();
        QComboBox::showPopup();
    }
};

CLibraryBarFields::CLibraryBarFields(CSchemoLibDoc& doc, CSchemoView& view, QToolBar* bar)
    : QObject(bar), m_doc(doc), m_view(view), m_pKey(new QLineEdit(bar)),
      m_pTitles(new CComponentBox(bar)) {
    bar->addWidget(new QLabel(" TBM ", bar));
    m_pKey->setObjectName("1013");
    m_pKey->setToolTip(QCoreApplication::translate("CLibraryBar", "Titolo Breve macro (TBM)"));
    LimitHeaderField(m_pKey, true);
    bar->addWidget(m_pKey);
    bar->addWidget(new QLabel(" TLM ", bar));
    m_pTitles->setObjectName("1014");
    m_pTitles->setToolTip(QCoreApplication::translate("CLibraryBar", "Titolo Lungo macro (TLM)"));
    m_pTitles->setEditable(true);
    // Return neither adds the typed title to the list nor jumps to an entry
    // that has the same text; nothing is completed from the list.
    m_pTitles->setInsertPolicy(QComboBox::NoInsert);
    m_pTitles->setDuplicatesEnabled(true);
    m_pTitles->setCompleter(nullptr);
    // Nor does leaving the box choose the entry that has the typed title.
    QObject::disconnect(m_pTitles->lineEdit(), SIGNAL(editingFinished()), m_pTitles,
                        SLOT(_q_editingFinished()));
    m_pTitles->setMaxVisibleItems(15);
    LimitHeaderField(m_pTitles->lineEdit(), true);
    bar->addWidget(m_pTitles);

    connect(m_pKey, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_strKey = EncodeCp1252Lossy(text); });
    connect(m_pTitles->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        m_strTitle = EncodeCp1252Lossy(text);
        m_doc.OnTitleEdited();
    });
    connect(m_pTitles, qOverload<int>(&QComboBox::activated), this, [this](int i) { OnChosen(i); });
    m_pTitles->m_onOpening = [this] { m_doc.OnTitleListOpening(); };
    m_doc.AttachFields(this);
}

CLibraryBarFields::~CLibraryBarFields() {
    m_doc.AttachFields(nullptr);
}

QComboBox* CLibraryBarFields::TitleBox() const {
    return m_pTitles;
}

bool CLibraryBarFields::IsSized(const QWidget* w) const {
    return w == m_pKey || w == m_pTitles;
}

QString CLibraryBarFields::ScreenPlaces() const {
    const QPoint key = m_pKey->mapToGlobal(m_pKey->rect().center());
    QLineEdit* title = m_pTitles->lineEdit();
    const QPoint edit = title->mapToGlobal(title->rect().center());
    return QString("%1 %2 %3 %4").arg(key.x()).arg(key.y()).arg(edit.x()).arg(edit.y());
}

void CLibraryBarFields::SetWidths(int nKey, int nTitle) {
    m_pKey->setFixedWidth(nKey);
    m_pTitles->setFixedWidth(nTitle);
}

// A pick from the list, an arrow key or the wheel: the box shows the new
// entry already; the document stores the shown component, and puts the box
// back when that is refused.
void CLibraryBarFields::OnChosen(int index) {
    m_view.CancelDrag();
    m_doc.SwitchTo(index);
    ShowTitle();
}

void CLibraryBarFields::SetKey(const std::string& key) {
    m_strKey = key;
    const QSignalBlocker block(m_pKey);
    m_pKey->setText(DecodeCp1252(key));
}

void CLibraryBarFields::SetTitle(const std::string& title) {
    m_strTitle = title;
    ShowTitle();
}

void CLibraryBarFields::ShowTitle() {
    const QSignalBlocker block(m_pTitles);
    const QString text = DecodeCp1252(m_strTitle);
    if (m_pTitles->currentText() != text) m_pTitles->setEditText(text);
}

void CLibraryBarFields::SetTitles(const std::vector<std::string>& titles) {
    {
        const QSignalBlocker block(m_pTitles);
        const int index = m_pTitles->currentIndex();
        m_pTitles->clear();
        for (const std::string& t : titles)
            m_pTitles->addItem(DecodeCp1252(t));
        m_pTitles->setCurrentIndex(index < m_pTitles->count() ? index : -1);
    }
    ShowTitle();
}

void CLibraryBarFields::SetCurrentIndex(int index) {
    {
        const QSignalBlocker block(m_pTitles);
        m_pTitles->setCurrentIndex(index);
    }
    ShowTitle();
}
