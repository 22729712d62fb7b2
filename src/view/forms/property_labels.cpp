#include "view/forms/property_labels.h"

#include "model/translate_noop.h"

namespace {
const struct {
    const char* pszName;
    const char* pszLabel;
} kLabels[] = {
    {"Text", QT_TRANSLATE_NOOP("Proprieta", "Testo")},
    {"FontFace", QT_TRANSLATE_NOOP("Proprieta", "Carattere")},
    {"FontHeight", QT_TRANSLATE_NOOP("Proprieta", "Altezza")},
    {"FontWidth", QT_TRANSLATE_NOOP("Proprieta", "Larghezza")},
    {"RotationAngle", QT_TRANSLATE_NOOP("Proprieta", "Angolo di rotazione")},
    {"bBold", QT_TRANSLATE_NOOP("Proprieta", "Grassetto")},
    {"bItalic", QT_TRANSLATE_NOOP("Proprieta", "Corsivo")},
    {"bMirrored", QT_TRANSLATE_NOOP("Proprieta", "Specchiato")},
    {"bUnderlined", QT_TRANSLATE_NOOP("Proprieta", "Sottolineato")},
    {"Thickness", QT_TRANSLATE_NOOP("Proprieta", "Spessore")},
    {"Filled", QT_TRANSLATE_NOOP("Proprieta", "Pieno")},
    // A pad's: its outer size, its hole and its shape.
    {"SizeX", QT_TRANSLATE_NOOP("Proprieta", "Larghezza")},
    {"SizeY", QT_TRANSLATE_NOOP("Proprieta", "Altezza")},
    {"IntDiam", QT_TRANSLATE_NOOP("Proprieta", "Diametro del foro")},
    {"Style", QT_TRANSLATE_NOOP("Proprieta", "Forma")},
    {"Layer", QT_TRANSLATE_NOOP("Proprieta", "Layer")},
};
} // namespace

const char* PropertyLabel(const std::string& name) {
    for (const auto& l : kLabels)
        if (name == l.pszName) return l.pszLabel;
    return name.c_str();
}
