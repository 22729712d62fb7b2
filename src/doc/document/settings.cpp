#include "doc/document/settings.h"

CSettings g_settings;
CLayerTable g_layers;
