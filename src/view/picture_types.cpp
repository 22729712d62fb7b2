#include "view/picture_types.h"

#include <cctype>

namespace {
const std::vector<CPictureType> kRasters = {
    {PICTURE_BMP, "Bitmap files (*.bmp)", "bmp"},
    {PICTURE_PNG, "Immagini PNG (*.png)", "png"},
};
const std::vector<CPictureType> kVectors = {
    {PICTURE_EMF, "Enhanced Metafile (*.emf)", "emf"},
    {PICTURE_SVG, "Disegni SVG (*.svg)", "svg"},
    {PICTURE_PDF, "Documenti PDF (*.pdf)", "pdf"},
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

PictureFormat ChoosePictureFormat(int nMode, int nType, std::string& name) {
    const std::vector<CPictureType>& types = PictureTypes(nMode);
    const std::string ext = ExtensionOf(name);
    if (ext.empty()) {
        const CPictureType& t =
            nType >= 0 && std::size_t(nType) < types.size() ? types[nType] : types[0];
        name += '.';
        name += t.pszExtension;
        return t.nFormat;
    }
    for (const CPictureType& t : types)
        if (ext == t.pszExtension) return t.nFormat;
    return nType >= 0 && std::size_t(nType) < types.size() ? types[nType].nFormat
                                                           : types[0].nFormat;
}
