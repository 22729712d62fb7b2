#pragma once
// The one walk that paints a primitive list: layer 0 to 15, pass 0 to 6 within
// a layer, list order within a pass. Screen, printing and export all use it.
#include "model/layers.h"
#include "model/primitive.h"

struct CLayerWalk {
    const CLayerTable* pLayers = &g_layers;
    bool bMonochrome = false;      // every layer in black
    COLORREF crSelected = RGB(255, 0, 0);
    int nZoomPercent = 100;
    bool bCull = false;            // skip primitives whose region box misses `visible`
    CRect visible;                 // logical units, edges included
};

void DrawLayers(CSurface& dc, const CPrimitiveList& list, const CLayerWalk& walk);
