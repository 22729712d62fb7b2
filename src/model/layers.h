#pragma once
// The table of the 16 layers: name, colour, shown on screen, printed.
#include "model/geometry.h"

#include <string>

constexpr int NUM_LAYERS = 16;

struct CLayerTable {
    CLayerTable() { SetDefaults(); }
    void SetDefaults();

    // Only layers 0..15 exist; any other number is neither shown nor printed.
    static bool IsValid(int nLayer) { return nLayer >= 0 && nLayer < NUM_LAYERS; }
    bool IsShown(int nLayer, bool bPrinting) const;
    COLORREF GetColor(int nLayer) const { return IsValid(nLayer) ? m_crLayerColor[nLayer] : 0; }

    COLORREF m_crLayerColor[NUM_LAYERS];
    std::string m_strLayerName[NUM_LAYERS];
    int m_bLayerShow[NUM_LAYERS];
    int m_bLayerPrint[NUM_LAYERS];
};
