#include "doc/settings.h"

CSettings g_settings;
bool g_bWarnNonStandard = true;
