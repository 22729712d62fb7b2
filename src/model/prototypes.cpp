#include "model/prototypes.h"

#include "model/ellipse.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"
#include "model/poly.h"
#include "model/rectangle.h"
#include "model/text.h"

void ResetPrototypes() {
    CRectangle::GetPrototype().Assign(CRectangle());
    CEllipse::GetPrototype().Assign(CEllipse());
    CPoly::GetPrototype().Assign(CPoly());
    CExtendedText start;
    start.m_strFont = "Courier New";
    start.m_nHeight = 5;
    start.m_nWidth = 3;
    CExtendedText::GetPrototype().Assign(start);
    CPCBLine& track = CPCBLine::GetPrototype();
    const CPCBLine emptyTrack;
    track.CopyFrom(&emptyTrack);
    track.m_nThickness = 4;
    CPCBPad& pad = CPCBPad::GetPrototype();
    const CPCBPad emptyPad;
    pad.CopyFrom(&emptyPad);
    pad.m_nSizeX = pad.m_nSizeY = 18;
    pad.m_nHole = 4;
    pad.m_nPadStyle = PAD_ROUND;
}
