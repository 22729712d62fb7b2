#include "model/layers.h"

void CLayerTable::SetDefaults() {
    static const char* const names[4] = {"Schema", "PCB lato rame", "PCB lato componenti",
                                         "Serigrafie"};
    static const COLORREF colors[4] = {RGB(0, 0, 0), RGB(0, 0, 192), RGB(0, 192, 0),
                                       RGB(0, 150, 150)};
    for (int i = 0; i < NUM_LAYERS; ++i) {
        m_strLayerName[i] = i < 4 ? names[i] : "Layer " + std::to_string(i + 1);
        m_crLayerColor[i] = i < 4 ? colors[i] : RGB(0, 0, 0);
        m_bLayerShow[i] = 1;
        m_bLayerPrint[i] = 1;
    }
}

// On a printing surface a layer counts when it is printed, elsewhere when shown.
bool CLayerTable::IsShown(int nLayer, bool bPrinting) const {
    if (!IsValid(nLayer)) return false;
    return bPrinting ? m_bLayerPrint[nLayer] != 0 : m_bLayerShow[nLayer] != 0;
}
