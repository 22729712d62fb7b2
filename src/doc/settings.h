#pragma once
// The program's settings that the core reads. The application loads and stores
// them; until then they hold their defaults.
#include "model/layers.h"

struct CSettings {
    int bSplit = 1;              // save and copy non-standard macros as their primitives
    int nMacrobarSize = 1;
    int bRegisterFileTypes = 1;
    int bPrintMirror = 1;
    int bWarningYouSuck = 0;     // never warn about unsplit non-standard macros
    int bRegionDebug = 0;
    int nMicronsPerUnit = 127;   // thousandths of a millimetre per unit; never stored
};

extern CSettings g_settings;
// The program's layer table; the layer walk, the document and the export pass
// it down to what they draw.
extern CLayerTable g_layers;
// The unsplit-macro warning is shown at most once per run, for all documents.
extern bool g_bWarnNonStandard;
