#include "view/forms/layer_choice.h"

#include "doc/document/document.h"

std::vector<CLayerItem> LayerItems(const CLayerTable& layers) {
    std::vector<CLayerItem> items;
    for (int i = 0; i < NUM_LAYERS; ++i)
        items.push_back({layers.m_strLayerName[i], layers.m_crLayerColor[i], i + 1});
    return items;
}

int LayerItemIndex(const std::vector<CLayerItem>& items, int nLayer) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].nData == nLayer + 1) return int(i);
    return -1;
}

bool ChooseLayer(int nData, int& nCurrentLayer, CSchemoDoc* pDoc) {
    if (!CLayerTable::IsValid(nData - 1)) return false;
    nCurrentLayer = nData - 1;
    return pDoc && MoveSelectionToLayer(*pDoc, nCurrentLayer);
}

bool MoveSelectionToLayer(CSchemoDoc& doc, int nLayer) {
    const std::vector<CPrimitive*> moved = doc.Selection();
    if (moved.empty()) return false;
    doc.Edit(moved, [&] {
        for (CPrimitive* p : moved)
            p->SetLayer(nLayer);
    });
    doc.ClearSelection();
    doc.CommitChange();
    return true;
}

void DeselectHiddenLayers(CSchemoDoc& doc, const CLayerTable& layers) {
    const std::vector<CPrimitive*> selection = doc.Selection();
    for (auto it = selection.rbegin(); it != selection.rend(); ++it)
        if (!layers.IsShown((*it)->GetLayer(), false)) doc.Select(*it, false);
}
