#pragma once
// The class prototypes' start-up values, in one place.
#include "model/pcbpad.h"

class CExtendedText;
class CPCBLine;

// What each prototype holds at start-up beyond its class's empty values; the
// filled shapes start empty (not filled).
struct CPrototypeStart {
    const char* szTextFace = "Courier New";
    int nTextHeight = 5;
    int nTextWidth = 3;
    int nTrackThickness = 4;
    int nPadSizeX = 18;
    int nPadSizeY = 18;
    int nPadHole = 4;
    int nPadStyle = PAD_ROUND;
};
inline constexpr CPrototypeStart PROTOTYPE_START{};

// A prototype as the program starts with it.
void StartPrototype(CExtendedText& prototype);
void StartPrototype(CPCBLine& prototype);
void StartPrototype(CPCBPad& prototype);

// Puts every class prototype back to its start-up values.
void ResetPrototypes();
