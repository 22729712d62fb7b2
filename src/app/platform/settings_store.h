#pragma once
// Where the program keeps its settings between runs (QSettings of "Zanibo
// Corporation"/"Tavolin"): the "Configurazione" section, the main window's
// rectangle, the bar layout and the recent files. Read at the frame's
// creation and written when it closes, as the program always has.
#include <QByteArray>
#include <QRect>
#include <QStringList>

namespace SettingsStore {
// Six keys over the defaults; an "nMacrobarSize" outside 0..2 counts as 1.
void LoadConfiguration();
// The four keys the program writes: "bSplit", "nMacrobarSize",
// "bRegisterFileTypes", "bPrintMirror".
void SaveConfiguration();
// Only "bRegisterFileTypes", read before the frame exists.
bool RegisterFileTypesWanted();

QRect LoadWindowRect(); // brought onto the attached screens
void SaveWindowRect(const QRect& rect);
QByteArray LoadBarState();
void SaveBarState(const QByteArray& state);
QStringList LoadRecentFiles();
void SaveRecentFiles(const QStringList& files);
} // namespace SettingsStore
