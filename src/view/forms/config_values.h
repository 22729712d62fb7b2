#pragma once
// The values the "Impostazioni" dialog edits: a copy of the settings, checked
// as a whole before any of them is applied.
#include "doc/document/settings.h"

#include <string>

struct CConfigValues {
    int bSplit = 0;
    int nMacrobarSize = 1;
    std::string micronsText; // as typed
    int bPrintMirror = 1;
    int bRegisterFileTypes = 1;
    int bTabbedView = 0;

    static CConfigValues From(const CSettings& s);
    // False when the microns are not a whole number from 1 to 1000; then
    // nothing is applied.
    bool ApplyTo(CSettings& s) const;
};
