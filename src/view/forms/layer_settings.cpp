#include "view/forms/layer_settings.h"

const char* const LAYERS_SECTION = "Layers";

namespace {
std::string Key(const char* stem, int nLayer) {
    return stem + std::to_string(nLayer);
}

// -1 is what an absent key reads as, so a stored -1 cannot be told from none.
template <class T>
void ReadUnlessUnset(IProfileStore& store, const char* stem, T (&values)[NUM_LAYERS]) {
    for (int i = 0; i < NUM_LAYERS; ++i) {
        const int v = store.GetInt(LAYERS_SECTION, Key(stem, i), -1);
        if (v != -1) values[i] = T(v);
    }
}

template <class T>
void WriteInts(IProfileStore& store, const char* stem, const T (&values)[NUM_LAYERS]) {
    for (int i = 0; i < NUM_LAYERS; ++i)
        store.WriteInt(LAYERS_SECTION, Key(stem, i), int(values[i]));
}
} // namespace

void LoadLayers(CLayerTable& layers, IProfileStore& store) {
    for (int i = 0; i < NUM_LAYERS; ++i) {
        const std::string name = store.GetString(LAYERS_SECTION, Key("Name", i));
        if (!name.empty()) layers.m_strLayerName[i] = name;
    }
    ReadUnlessUnset(store, "Color", layers.m_crLayerColor);
    ReadUnlessUnset(store, "Show", layers.m_bLayerShow);
    ReadUnlessUnset(store, "Print", layers.m_bLayerPrint);
}

void SaveLayerNames(const CLayerTable& layers, IProfileStore& store) {
    for (int i = 0; i < NUM_LAYERS; ++i)
        store.WriteString(LAYERS_SECTION, Key("Name", i), layers.m_strLayerName[i]);
}

void SaveLayerColors(const CLayerTable& layers, IProfileStore& store) {
    WriteInts(store, "Color", layers.m_crLayerColor);
}

void SaveLayerShow(const CLayerTable& layers, IProfileStore& store) {
    WriteInts(store, "Show", layers.m_bLayerShow);
}

void SaveLayerPrint(const CLayerTable& layers, IProfileStore& store) {
    WriteInts(store, "Print", layers.m_bLayerPrint);
}
