#pragma once
// "Gestione Layer": names, colours, shown and printed layers, edited in a copy
// (CLayerDlgModel). OK puts the copy in force; each save button puts its own
// columns in force and stores them; the restore buttons fill the dialog only.
#include "model/layers.h"
#include "view/forms/layer_dialog_model.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class CColorSwatch;

class CLayerDlg final : public QDialog {
    Q_OBJECT
  public:
    CLayerDlg(CLayerTable& running, IProfileStore& store, QWidget* parent);
    void accept() override;
    // A save button changed the running table, whatever the dialog ends with.
    bool SavedAny() const { return m_model.SavedAny(); }

  private:
    void BuildRows(QGridLayout* grid);
    void BuildColumnButtons(QGridLayout* grid);
    void BuildSideButtons(QVBoxLayout* side);
    QPushButton* AddButton(QVBoxLayout* side, const QString& text, std::function<void()> op);
    void Collect(); // the names and check boxes into the copy
    void Show();    // the copy into the controls
    void Do(const std::function<void()>& op);
    void ChooseColor(int nLayer);

    CLayerTable& m_running;
    IProfileStore& m_store;
    CLayerDlgModel m_model;
    CColorSwatch* m_pSwatch[NUM_LAYERS];
    QLineEdit* m_pName[NUM_LAYERS];
    QCheckBox* m_pShow[NUM_LAYERS];
    QCheckBox* m_pPrint[NUM_LAYERS];
};
