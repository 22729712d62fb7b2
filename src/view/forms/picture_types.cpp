#include "view/forms/picture_types.h"

#include "doc/document/document_ui.h"
#include "model/translate_noop.h"

namespace {
const std::vector<CPictureType> kRasters = {
    {PICTURE_BMP, QT_TRANSLATE_NOOP("Immagini", "Bitmap files (*.bmp)")},
    {PICTURE_PNG, QT_TRANSLATE_NOOP("Immagini", "Immagini PNG (*.png)")},
};
const std::vector<CPictureType> kVectors = {
    {PICTURE_EMF, QT_TRANSLATE_NOOP("Immagini", "Enhanced Metafile (*.emf)")},
    {PICTURE_SVG, QT_TRANSLATE_NOOP("Immagini", "Disegni SVG (*.svg)")},
    {PICTURE_PDF, QT_TRANSLATE_NOOP("Immagini", "Documenti PDF (*.pdf)")},
};
constexpr int MODE_EMF = 2;
} // namespace

const std::vector<CPictureType>& PictureTypes(int nMode) {
    return nMode == MODE_EMF ? kVectors : kRasters;
}

namespace {
std::string Refusal(int nMode, PictureFormat format, const std::string& ext) {
    const bool bVector = nMode == MODE_EMF;
    const std::vector<CPictureType>& other = bVector ? kRasters : kVectors;
    for (const CPictureType& t : other)
        if (t.nFormat == format)
            return FillMessage(bVector ? MSG_VECTOR_ONLY : MSG_RASTER_ONLY, ext);
    return FillMessage(bVector ? MSG_VECTOR_UNKNOWN : MSG_RASTER_UNKNOWN, ext);
}
} // namespace

CPictureChoice ChoosePictureFormat(int nMode, int nType, const std::string& name) {
    const std::vector<CPictureType>& types = PictureTypes(nMode);
    CPictureChoice c;
    c.name = name;
    const std::string ext = PictureExtension(name);
    if (ext.empty()) {
        const CPictureType& t =
            nType >= 0 && std::size_t(nType) < types.size() ? types[nType] : types[0];
        c.name += '.';
        c.name += PictureFormatExtension(t.nFormat);
        c.nFormat = t.nFormat;
        return c;
    }
    const PictureFormat format = PictureFormatOf(name);
    for (const CPictureType& t : types)
        if (t.nFormat == format) {
            c.nFormat = format;
            return c;
        }
    c.refusal = Refusal(nMode, format, ext);
    return c;
}
