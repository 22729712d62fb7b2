#include "view/forms/picture_types.h"

#include "doc/document/document_ui.h"
#include "model/translate_noop.h"

#include <cctype>

namespace {
const std::vector<CPictureType> kRasters = {
    {PICTURE_BMP, QT_TRANSLATE_NOOP("Immagini", "Bitmap files (*.bmp)"), "bmp"},
    {PICTURE_PNG, QT_TRANSLATE_NOOP("Immagini", "Immagini PNG (*.png)"), "png"},
};
const std::vector<CPictureType> kVectors = {
    {PICTURE_EMF, QT_TRANSLATE_NOOP("Immagini", "Enhanced Metafile (*.emf)"), "emf"},
    {PICTURE_SVG, QT_TRANSLATE_NOOP("Immagini", "Disegni SVG (*.svg)"), "svg"},
    {PICTURE_PDF, QT_TRANSLATE_NOOP("Immagini", "Documenti PDF (*.pdf)"), "pdf"},
};
constexpr int MODE_EMF = 2;

// The extension in lower case, or empty; a dot that starts the name or lies
// in a folder's name does not count.
std::string ExtensionOf(const std::string& name) {
    const std::size_t slash = name.rfind('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot <= start) return std::string();
    std::string ext = name.substr(dot + 1);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}
} // namespace

const std::vector<CPictureType>& PictureTypes(int nMode) {
    return nMode == MODE_EMF ? kVectors : kRasters;
}

namespace {
std::string Refusal(int nMode, const std::string& ext) {
    const bool bVector = nMode == MODE_EMF;
    const std::vector<CPictureType>& other = bVector ? kRasters : kVectors;
    for (const CPictureType& t : other)
        if (ext == t.pszExtension)
            return FillMessage(bVector ? MSG_VECTOR_ONLY : MSG_RASTER_ONLY, ext);
    return FillMessage(bVector ? MSG_VECTOR_UNKNOWN : MSG_RASTER_UNKNOWN, ext);
}
} // namespace

CPictureChoice ChoosePictureFormat(int nMode, int nType, const std::string& name) {
    const std::vector<CPictureType>& types = PictureTypes(nMode);
    CPictureChoice c;
    c.name = name;
    const std::string ext = ExtensionOf(name);
    if (ext.empty()) {
        const CPictureType& t =
            nType >= 0 && std::size_t(nType) < types.size() ? types[nType] : types[0];
        c.name += '.';
        c.name += t.pszExtension;
        c.nFormat = t.nFormat;
        return c;
    }
    for (const CPictureType& t : types)
        if (ext == t.pszExtension) {
            c.nFormat = t.nFormat;
            return c;
        }
    c.refusal = Refusal(nMode, ext);
    return c;
}
