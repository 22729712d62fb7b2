#include "view/forms/config_values.h"

#include "view/forms/bounded_int.h"

CConfigValues CConfigValues::From(const CSettings& s) {
    CConfigValues v;
    v.bSplit = s.bSplit != 0;
    v.nMacrobarSize = s.nMacrobarSize;
    v.micronsText = std::to_string(s.nMicronsPerUnit);
    v.bPrintMirror = s.bPrintMirror != 0;
    v.bRegisterFileTypes = s.bRegisterFileTypes != 0;
    v.bTabbedView = s.bTabbedView != 0;
    return v;
}

bool CConfigValues::ApplyTo(CSettings& s) const {
    int nMicrons = 0;
    if (!ParseBoundedInt(micronsText, 1, 1000, nMicrons)) return false;
    s.bSplit = bSplit;
    s.nMacrobarSize = nMacrobarSize;
    s.nMicronsPerUnit = nMicrons;
    s.bPrintMirror = bPrintMirror;
    s.bRegisterFileTypes = bRegisterFileTypes;
    if (s.bTabbedView != bTabbedView) s.bTabbedViewKept = true;
    s.bTabbedView = bTabbedView;
    return true;
}
