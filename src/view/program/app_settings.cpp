#include "view/program/app_settings.h"

namespace {
const char* const kConfig = "Configurazione";
const char* const kWindow = "Window State";
} // namespace

void LoadConfiguration(CSettings& s, IProfileStore& store) {
    s.bSplit = store.GetInt(kConfig, "bSplit", 1);
    s.nMacrobarSize = store.GetInt(kConfig, "nMacrobarSize", 1);
    if (s.nMacrobarSize < 0 || s.nMacrobarSize > 2) s.nMacrobarSize = 1;
    s.bRegisterFileTypes = store.GetInt(kConfig, "bRegisterFileTypes", 1);
    s.bPrintMirror = store.GetInt(kConfig, "bPrintMirror", 1);
    s.bWarningYouSuck = store.GetInt(kConfig, "bWarningYouSuck", 0);
    s.bRegionDebug = store.GetInt(kConfig, "bRegionDebug", 0);
    s.nMicronsPerUnit = 127;
    s.bTabbedView = store.GetInt(kConfig, "bTabbedView", 0);
    s.bTabbedViewKept = !store.GetString(kConfig, "bTabbedView").empty();
}

void SaveConfiguration(const CSettings& s, IProfileStore& store) {
    store.WriteInt(kConfig, "bSplit", s.bSplit);
    store.WriteInt(kConfig, "nMacrobarSize", s.nMacrobarSize);
    store.WriteInt(kConfig, "bRegisterFileTypes", s.bRegisterFileTypes);
    store.WriteInt(kConfig, "bPrintMirror", s.bPrintMirror);
    if (s.bTabbedViewKept) store.WriteInt(kConfig, "bTabbedView", s.bTabbedView);
}

CRect LoadWindowRect(IProfileStore& store) {
    return {store.GetInt(kWindow, "left", 20), store.GetInt(kWindow, "top", 20),
            store.GetInt(kWindow, "right", 800), store.GetInt(kWindow, "bottom", 600)};
}

void SaveWindowRect(const CRect& r, IProfileStore& store) {
    store.WriteInt(kWindow, "top", r.top);
    store.WriteInt(kWindow, "bottom", r.bottom);
    store.WriteInt(kWindow, "left", r.left);
    store.WriteInt(kWindow, "right", r.right);
}
