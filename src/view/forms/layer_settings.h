#pragma once
// The layer table between runs: section "Layers", keys "Name%d", "Color%d",
// "Show%d" and "Print%d" for the layers 0 to 15. Read once over the defaults
// when the main window is created; written only by the layer dialog's save
// buttons, one column at a time.
#include "model/layers.h"
#include "view/program/profile_store.h"

#include <string>

extern const char* const LAYERS_SECTION; // "Layers"

// An absent or empty name leaves the name as it is; a colour, show or print
// value of -1 (absent, or all bits set) leaves the value as it is.
void LoadLayers(CLayerTable& layers, IProfileStore& store);
void SaveLayerNames(const CLayerTable& layers, IProfileStore& store);
void SaveLayerColors(const CLayerTable& layers, IProfileStore& store);
void SaveLayerShow(const CLayerTable& layers, IProfileStore& store);
void SaveLayerPrint(const CLayerTable& layers, IProfileStore& store);
