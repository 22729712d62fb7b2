#include "app/dialogs/fab_dialog.h"

#include "qtlayer/qt_fontfaces.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CFabDlg", text);
}

QComboBox* OutlineBox(const CLayerTable& layers, int nLayer) {
    auto* box = new QComboBox;
    box->addItem(Tr(QT_TRANSLATE_NOOP("CFabDlg", "Nessuno")), -1);
    for (int i = 0; i < NUM_LAYERS; ++i)
        box->addItem(QString("%1: %2").arg(i).arg(DecodeCp1252(layers.m_strLayerName[i])), i);
    box->setCurrentIndex(box->findData(nLayer));
    return box;
}

// The archive's name with a button that asks for it.
QWidget* ArchiveRow(QLineEdit* edit) {
    auto* row = new QWidget;
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    auto* browse = new QPushButton(Tr(QT_TRANSLATE_NOOP("CFabDlg", "&Sfoglia...")));
    h->addWidget(edit, 1);
    h->addWidget(browse);
    QObject::connect(browse, &QPushButton::clicked, edit, [edit] {
        const QString name = QFileDialog::getSaveFileName(
            edit->window(), Tr(QT_TRANSLATE_NOOP("CFabDlg", "Salva con nome")), edit->text(),
            Tr(QT_TRANSLATE_NOOP("CFabDlg", "Archivi ZIP (*.zip)")));
        if (!name.isEmpty()) edit->setText(name);
    });
    return row;
}
} // namespace

bool RunFabDialog(QWidget* parent, const CLayerTable& layers, CFabChoices& c) {
    QDialog dlg(parent);
    dlg.setWindowTitle(Tr(QT_TRANSLATE_NOOP("CFabDlg", "Esporta per la produzione")));
    auto* outline = OutlineBox(layers, c.nOutlineLayer);
    auto* note = new QLabel(Tr(
        QT_TRANSLATE_NOOP("CFabDlg", "Senza contorno la scheda e' il rettangolo attorno ai livelli "
                                     "1, 2 e 3, allargato di 1 mm.")));
    note->setWordWrap(true);
    auto* mask = new QLineEdit(QString::fromStdString(c.strMaskExpansion));
    auto* stroke = new QLineEdit(QString::fromStdString(c.strStroke));
    auto* archive = new QLineEdit(QFile::decodeName(c.strArchive.c_str()));
    archive->setMinimumWidth(360);
    QObject::connect(outline, &QComboBox::currentIndexChanged, note,
                     [outline, note] { note->setVisible(outline->currentData().toInt() < 0); });
    note->setVisible(c.nOutlineLayer < 0);

    auto* form = new QFormLayout(&dlg);
    form->addRow(Tr(QT_TRANSLATE_NOOP("CFabDlg", "&Contorno sul livello:")), outline);
    form->addRow(note);
    form->addRow(Tr(QT_TRANSLATE_NOOP("CFabDlg", "&Allargamento maschera (mm):")), mask);
    form->addRow(Tr(QT_TRANSLATE_NOOP("CFabDlg", "&Tratto (mm):")), stroke);
    auto* ruleBox = new QGroupBox(Tr(QT_TRANSLATE_NOOP("CFabDlg", "Regole di produzione")));
    auto* ruleForm = new QFormLayout(ruleBox);
    QLineEdit* rules[RULE_LENGTH_COUNT];
    for (int i = 0; i < RULE_LENGTH_COUNT; ++i) {
        rules[i] = new QLineEdit(QString::fromStdString(c.strRules[i]));
        ruleForm->addRow(Tr(FabRuleName(i)) + " (mm):", rules[i]);
    }
    form->addRow(ruleBox);
    form->addRow(Tr(QT_TRANSLATE_NOOP("CFabDlg", "A&rchivio:")), ArchiveRow(archive));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr(QT_TRANSLATE_NOOP("CFabDlg", "Annulla")));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    form->addRow(buttons);
    archive->setFocus();
    archive->selectAll();
    if (dlg.exec() != QDialog::Accepted) return false;
    c.nOutlineLayer = outline->currentData().toInt();
    c.strMaskExpansion = mask->text().trimmed().toStdString();
    c.strStroke = stroke->text().trimmed().toStdString();
    for (int i = 0; i < RULE_LENGTH_COUNT; ++i)
        c.strRules[i] = rules[i]->text().trimmed().toStdString();
    c.strArchive = QFile::encodeName(archive->text()).toStdString();
    return true;
}
