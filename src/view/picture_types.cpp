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

namespace {
// "usare .bmp o .png"
std::string ExtensionList(const std::vector<CPictureType>& types) {
    std::string list;
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (i > 0) list += i + 1 == types.size() ? " o " : ", ";
        list += '.';
        list += types[i].pszExtension;
    }
    return list;
}

std::string Refusal(int nMode, const std::string& ext) {
    const bool bVector = nMode == MODE_EMF;
    const std::vector<CPictureType>& other = bVector ? kRasters : kVectors;
    for (const CPictureType& t : other)
        if (ext == t.pszExtension)
            return "Un file ." + ext + " non si puo' salvare in questa modalita': usare " +
                   ExtensionList(PictureTypes(nMode)) + ", oppure scegliere la modalita' " +
                   (bVector ? "relativa o assoluta." : "\"Enhanced Metafile\".");
    return "Il formato ." + ext + " non e' supportato: usare " +
           ExtensionList(PictureTypes(nMode)) + ".";
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
