#include "app/dialogs/property_dialog.h"

#include "app/bars/layer_combo.h"
#include "app/dialogs/int_spin_edit.h"
#include "app/frame/program_context.h"
#include "doc/document/document.h"
#include "doc/document/settings.h"
#include "model/property_table.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_translate.h"
#include "view/forms/property_labels.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int VALUE_WIDTH = 260; // pixels: room for the longest face names

// The words are picked by their place, so only what is shown is translated.
QString ChoiceText(const std::string& choice) {
    for (const char* pszWord : {PROPERTY_INDETERMINATE, YesNoWord(true), YesNoWord(false)})
        if (choice == pszWord) return TrCore("Proprieta", pszWord);
    return DecodeCp1252(choice);
}
} // namespace

CPropertyDlg::CPropertyDlg(CPropertySheet& sheet, QWidget* parent)
    : QDialog(parent), m_sheet(sheet) {
    setWindowTitle(tr("Proprieta'"));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    for (const CPropertySheetRow& row : m_sheet.Rows()) {
        const int r = int(m_controls.size());
        grid->addWidget(new QLabel(TrCore("Proprieta", PropertyLabel(row.strName)), this), r, 0);
        m_controls.push_back(MakeControl(row));
        m_controls.back()->setObjectName(DecodeCp1252(row.strName));
        m_controls.back()->setMinimumWidth(VALUE_WIDTH);
        grid->addWidget(m_controls.back(), r, 1);
    }
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Annulla"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addSpacing(16);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addSpacing(8);
    layout->addLayout(buttons);

    if (m_controls.empty()) return;
    m_controls.front()->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(m_controls.front())) edit->selectAll();
    if (auto* spin = qobject_cast<CIntSpinEdit*>(m_controls.front())) spin->SelectAll();
}

QWidget* CPropertyDlg::MakeControl(const CPropertySheetRow& row) {
    const QString shown = DecodeCp1252(row.strShown);
    switch (row.nKind) {
    case PROPROW_TEXT: {
        auto* edit = new QLineEdit(shown, this);
        if (!row.bSame) edit->setPlaceholderText(TrCore("Proprieta", PROPERTY_INDETERMINATE));
        return edit;
    }
    case PROPROW_INT: {
        auto* spin = new CIntSpinEdit(this, row.nMin, row.nMax, row.nStart);
        spin->SetText(shown);
        if (!row.bSame) spin->SetPlaceholder(TrCore("Proprieta", PROPERTY_INDETERMINATE));
        return spin;
    }
    case PROPROW_CHOICE: {
        auto* combo = new QComboBox(this);
        for (const std::string& choice : row.choices)
            combo->addItem(ChoiceText(choice));
        combo->setCurrentIndex(row.nShown);
        return combo;
    }
    case PROPROW_LAYER:
        break;
    }
    auto* layers = new CLayerCombo(this);
    layers->FillItems(row.layers, row.nShown);
    return layers;
}

void CPropertyDlg::accept() {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        QWidget* w = m_controls[i];
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            m_sheet.SetText(i, EncodeCp1252Lossy(edit->text()));
        else if (auto* spin = qobject_cast<CIntSpinEdit*>(w))
            m_sheet.SetText(i, EncodeCp1252Lossy(spin->text()));
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            m_sheet.SetChoice(i, combo->currentIndex());
    }
    QDialog::accept();
}

bool RunPropertyDialog(QWidget* parent, CSchemoDoc& doc) {
    CPropertySheet sheet(doc.Selection(), g_layers);
    if (sheet.Rows().empty()) return false;
    CPropertyDlg dlg(sheet, parent);
    if (dlg.exec() != QDialog::Accepted) return false;
    // A value a primitive refuses is simply not applied to it; the dialog
    // says nothing of it.
    sheet.Apply(doc);
    return true;
}
