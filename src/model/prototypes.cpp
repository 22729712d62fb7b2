#include "model/prototypes.h"

#include "model/ellipse.h"
#include "model/pcbline.h"
#include "model/poly.h"
#include "model/rectangle.h"
#include "model/text.h"

void StartPrototype(CExtendedText& prototype) {
    prototype.Assign(CExtendedText());
    prototype.m_strFont = PROTOTYPE_START.szTextFace;
    prototype.m_nHeight = PROTOTYPE_START.nTextHeight;
    prototype.m_nWidth = PROTOTYPE_START.nTextWidth;
    prototype.RebuildFont(100);
}

void StartPrototype(CPCBLine& prototype) {
    const CPCBLine empty;
    prototype.CopyFrom(&empty);
    prototype.m_nThickness = PROTOTYPE_START.nTrackThickness;
}

void StartPrototype(CPCBPad& prototype) {
    const CPCBPad empty;
    prototype.CopyFrom(&empty);
    prototype.m_nSizeX = PROTOTYPE_START.nPadSizeX;
    prototype.m_nSizeY = PROTOTYPE_START.nPadSizeY;
    prototype.m_nHole = PROTOTYPE_START.nPadHole;
    prototype.m_nPadStyle = PROTOTYPE_START.nPadStyle;
}

void ResetPrototypes() {
    CRectangle::GetPrototype().Assign(CRectangle());
    CEllipse::GetPrototype().Assign(CEllipse());
    CPoly::GetPrototype().Assign(CPoly());
    StartPrototype(CExtendedText::GetPrototype());
    StartPrototype(CPCBLine::GetPrototype());
    StartPrototype(CPCBPad::GetPrototype());
}
