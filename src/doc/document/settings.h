#pragma once
// The program's settings. The application owns, loads and stores them, and
// gives the core the values it reads.

struct CSettings {
    int bSplit = 1; // save and copy non-standard macros as their primitives
    int nMacrobarSize = 1;
    int bRegisterFileTypes = 1;
    int bPrintMirror = 1;
    int bWarningYouSuck = 0; // never warn about unsplit non-standard macros
    int bRegionDebug = 0;
    int bTabbedView = 0; // the documents as tabs rather than windows
    // "bTabbedView" is written only once it was read or changed, so that a
    // first launch writes the same keys as before it existed.
    bool bTabbedViewKept = false;
    int nMicronsPerUnit = 127;  // thousandths of a millimetre per unit; never stored
    int nAutosaveSeconds = 120; // from the command line; never stored
};
