#pragma once
// The picture of a copied selection that word processors and image editors
// take from the clipboard.
#include "doc/document/document.h"
#include "model/layers.h"

#include <string>

// PNG bytes of everything in `doc` on a shown layer, at nZoom percent in the
// layer colours on white; the zoom is lowered until the longer side is at
// most nMaxSide pixels. Empty when nothing is shown or it cannot be made.
std::string ClipPicturePng(CSchemoDoc& doc, const CLayerTable& layers, int nZoom, int nMaxSide);
