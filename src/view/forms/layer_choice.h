#pragma once
// The current layer: the items of the combo box that chooses it, what a
// choice in it does to the active document, and what a change of the shown
// layers does to the selections.
#include "model/layers.h"

#include <string>
#include <vector>

class CSchemoDoc;

struct CLayerItem {
    std::string strName; // bytes
    COLORREF crColor;
    int nData; // the layer number plus one; 0 for an item without a layer
};

// The 16 names in layer order, each in its layer's colour.
std::vector<CLayerItem> LayerItems(const CLayerTable& layers);
// The item of a layer, found by its number: names may repeat or begin one
// another. -1 when no item has it.
int LayerItemIndex(const std::vector<CLayerItem>& items, int nLayer);

// A choice of the item with this data: the current layer becomes its layer,
// and the selection of the document (if any) moves there and is emptied, as
// one step that can be undone. True when the document changed.
bool ChooseLayer(int nData, int& nCurrentLayer, CSchemoDoc* pDoc);
bool MoveSelectionToLayer(CSchemoDoc& doc, int nLayer);

// Selected primitives on layers no longer shown leave the selection (they
// can no longer be seen nor hit).
void DeselectHiddenLayers(CSchemoDoc& doc, const CLayerTable& layers);
