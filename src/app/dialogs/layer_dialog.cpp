#include "app/dialogs/layer_dialog.h"

#include "qtlayer/qt_fontfaces.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

// A layer's colour as a small framed square; a click on it asks for another.
class CColorSwatch final : public QWidget {
  public:
    CColorSwatch(QWidget* parent, std::function<void()> onClick)
        : QWidget(parent), m_onClick(std::move(onClick)) {
        setFixedSize(14, 14);
        setCursor(Qt::PointingHandCursor);
    }
    void SetColor(COLORREF cr) {
        m_color = QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(Qt::black);
        p.setBrush(m_color);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) m_onClick();
        QWidget::mouseReleaseEvent(e);
    }

  private:
    QColor m_color;
    std::function<void()> m_onClick;
};

CLayerDlg::CLayerDlg(CLayerTable& running, IProfileStore& store, QWidget* parent)
    : QDialog(parent), m_running(running), m_store(store), m_model(running) {
    setWindowTitle(QCoreApplication::translate("CLayerDlg", "Gestione Layer"));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    BuildRows(grid);
    BuildColumnButtons(grid);
    auto* side = new QVBoxLayout;
    BuildSideButtons(side);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(side);
    Show();
}

void CLayerDlg::BuildRows(QGridLayout* grid) {
    grid->addWidget(new QLabel(QCoreApplication::translate("CLayerDlg", "Schermo"), this), 0, 2,
                    Qt::AlignHCenter);
    grid->addWidget(new QLabel(QCoreApplication::translate("CLayerDlg", "Stampa"), this), 0, 3,
                    Qt::AlignHCenter);
    for (int i = 0; i < NUM_LAYERS; ++i) {
        m_pSwatch[i] = new CColorSwatch(this, [this, i] { ChooseColor(i); });
        m_pSwatch[i]->setObjectName(QString("Color%1").arg(i));
        m_pName[i] = new QLineEdit(this);
        m_pName[i]->setObjectName(QString("Name%1").arg(i));
        m_pName[i]->setMinimumWidth(150);
        m_pShow[i] = new QCheckBox(this);
        m_pShow[i]->setObjectName(QString("Show%1").arg(i));
        m_pPrint[i] = new QCheckBox(this);
        m_pPrint[i]->setObjectName(QString("Print%1").arg(i));
        grid->addWidget(m_pSwatch[i], i + 1, 0);
        grid->addWidget(m_pName[i], i + 1, 1);
        grid->addWidget(m_pShow[i], i + 1, 2, Qt::AlignHCenter);
        grid->addWidget(m_pPrint[i], i + 1, 3, Qt::AlignHCenter);
    }
}

// "Tutti" and "Nessuno" under each column of check boxes.
void CLayerDlg::BuildColumnButtons(QGridLayout* grid) {
    const std::function<void(bool)> set[2] = {[this](bool b) { m_model.SetAllShow(b); },
                                              [this](bool b) { m_model.SetAllPrint(b); }};
    for (int c = 0; c < 2; ++c) {
        auto* box = new QVBoxLayout;
        box->setSpacing(2);
        for (bool bOn : {true, false}) {
            auto* b = new QPushButton(bOn ? QCoreApplication::translate("CLayerDlg", "Tutti")
                                          : QCoreApplication::translate("CLayerDlg", "Nessuno"),
                                      this);
            b->setObjectName(QString(c == 0 ? "Show" : "Print") + (bOn ? "All" : "None"));
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this,
                    [this, f = set[c], bOn] { Do([&] { f(bOn); }); });
            box->addWidget(b);
        }
        grid->addLayout(box, NUM_LAYERS + 1, 2 + c);
    }
}

QPushButton* CLayerDlg::AddButton(QVBoxLayout* side, const QString& text,
                                  std::function<void()> op) {
    auto* b = new QPushButton(text, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, op = std::move(op)] { Do(op); });
    side->addWidget(b);
    return b;
}

void CLayerDlg::BuildSideButtons(QVBoxLayout* side) {
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QCoreApplication::translate("CLayerDlg", "Annulla"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    side->addWidget(ok);
    side->addWidget(cancel);
    side->addSpacing(16);
    AddButton(side, QCoreApplication::translate("CLayerDlg", "Salva visualizzazione"),
              [this] { m_model.SaveView(m_running, m_store); });
    AddButton(side, QCoreApplication::translate("CLayerDlg", "Salva nomi layer"),
              [this] { m_model.SaveNames(m_running, m_store); });
    AddButton(side, QCoreApplication::translate("CLayerDlg", "Salva colori layer"),
              [this] { m_model.SaveColors(m_running, m_store); });
    side->addSpacing(16);
    AddButton(side, QCoreApplication::translate("CLayerDlg", "Ripristina visualizzazione"),
              [this] { m_model.RestoreView(); });
    AddButton(side, QCoreApplication::translate("CLayerDlg", "Ripristina nomi layer"),
              [this] { m_model.RestoreNames(); });
    AddButton(side, QCoreApplication::translate("CLayerDlg", "Ripristina colori layer"),
              [this] { m_model.RestoreColors(); });
    side->addStretch();
}

void CLayerDlg::Collect() {
    CLayerTable& v = m_model.m_values;
    for (int i = 0; i < NUM_LAYERS; ++i) {
        v.m_strLayerName[i] = EncodeCp1252Lossy(m_pName[i]->text());
        v.m_bLayerShow[i] = m_pShow[i]->isChecked();
        v.m_bLayerPrint[i] = m_pPrint[i]->isChecked();
    }
}

void CLayerDlg::Show() {
    const CLayerTable& v = m_model.m_values;
    for (int i = 0; i < NUM_LAYERS; ++i) {
        m_pSwatch[i]->SetColor(v.m_crLayerColor[i]);
        m_pName[i]->setText(DecodeCp1252(v.m_strLayerName[i]));
        m_pShow[i]->setChecked(v.m_bLayerShow[i] != 0);
        m_pPrint[i]->setChecked(v.m_bLayerPrint[i] != 0);
    }
}

void CLayerDlg::Do(const std::function<void()>& op) {
    Collect();
    op();
    Show();
}

void CLayerDlg::ChooseColor(int nLayer) {
    COLORREF& cr = m_model.m_values.m_crLayerColor[nLayer];
    const QColor chosen =
        QColorDialog::getColor(QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr)), this);
    if (!chosen.isValid()) return;
    cr = RGB(chosen.red(), chosen.green(), chosen.blue());
    m_pSwatch[nLayer]->SetColor(cr);
}

void CLayerDlg::accept() {
    Collect();
    m_model.ApplyTo(m_running);
    QDialog::accept();
}
