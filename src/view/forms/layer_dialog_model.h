#pragma once
// What "Gestione Layer" edits: a copy of the layer table, shown by the dialog
// and changed by it. Only OK and the save buttons reach the running table: a
// save button puts its own columns of the copy in force and stores them; the
// restore buttons, "Tutti" and "Nessuno" change the copy alone, so "Annulla"
// leaves the running table as it was (apart from what was saved).
#include "model/layers.h"
#include "view/forms/layer_settings.h"

class CLayerDlgModel {
  public:
    explicit CLayerDlgModel(const CLayerTable& running) : m_values(running) {}

    CLayerTable m_values; // what the dialog shows

    void SetAllShow(bool bOn);
    void SetAllPrint(bool bOn);
    // "Ripristina visualizzazione", "Ripristina nomi layer", "Ripristina colori layer".
    void RestoreView();
    void RestoreNames();
    void RestoreColors();
    // "Salva visualizzazione" (show, then print), "Salva nomi layer", "Salva colori layer".
    void SaveView(CLayerTable& running, IProfileStore& store);
    void SaveNames(CLayerTable& running, IProfileStore& store);
    void SaveColors(CLayerTable& running, IProfileStore& store);
    void ApplyTo(CLayerTable& running) const;
    // A save button changed the running table while the dialog was open.
    bool SavedAny() const { return m_bSaved; }

  private:
    bool m_bSaved = false;
};
