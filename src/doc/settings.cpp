#include "doc/settings.h"

CSettings g_settings;
CLayerTable g_layers;
bool g_bWarnNonStandard = true;
