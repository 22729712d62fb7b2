#pragma once
// "Proprieta'": a row of controls per property the selected primitives share,
// then their layer. The controls only show the sheet's rows and hand back what
// the user left in them; the sheet decides what is written.
#include "view/forms/property_sheet.h"

#include <QDialog>

#include <vector>

class CSchemoDoc;

class CPropertyDlg final : public QDialog {
    Q_OBJECT
  public:
    CPropertyDlg(CPropertySheet& sheet, QWidget* parent);
    // The value control of each row, in row order.
    const std::vector<QWidget*>& Controls() const { return m_controls; }
    // Puts what the controls hold into the sheet.
    void accept() override;

  private:
    QWidget* MakeControl(const CPropertySheetRow& row);

    CPropertySheet& m_sheet;
    std::vector<QWidget*> m_controls;
};

// Edits the document's selection, writing back on OK. True when the dialog
// ended with OK, whether or not anything changed; false with nothing selected
// (no dialog is shown).
bool RunPropertyDialog(QWidget* parent, CSchemoDoc& doc);
