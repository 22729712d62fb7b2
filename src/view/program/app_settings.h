#pragma once
// The program's own settings between runs: the section "Configurazione" and
// the main window's rectangle in "Window State", read when the main window is
// created and written when it closes.
#include "doc/document/settings.h"
#include "model/geometry.h"
#include "view/program/profile_store.h"

// Seven keys over the defaults; an "nMacrobarSize" outside 0..2 counts as 1, so
// that 1 is what is written back. nMicronsPerUnit starts at 127 every run.
void LoadConfiguration(CSettings& s, IProfileStore& store);
// The four keys the program writes: "bSplit", "nMacrobarSize",
// "bRegisterFileTypes", "bPrintMirror"; and "bTabbedView" once it was read or
// changed.
void SaveConfiguration(const CSettings& s, IProfileStore& store);
// "top", "bottom", "left", "right", by default (20, 20)-(800, 600).
CRect LoadWindowRect(IProfileStore& store);
void SaveWindowRect(const CRect& r, IProfileStore& store);
