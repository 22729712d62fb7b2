#pragma once
// The file types "Salva come bitmap/EMF..." offers for each mode of its
// dialog, and the format a chosen name and type stand for.
#include <string>
#include <vector>

enum PictureFormat { PICTURE_BMP, PICTURE_PNG, PICTURE_EMF, PICTURE_SVG, PICTURE_PDF };

struct CPictureType {
    PictureFormat nFormat;
    const char* pszFilter; // as the save dialog shows it
    const char* pszExtension;
};

// The types for the export mode (relative and absolute: the rasters at the
// dialog's scale; Enhanced Metafile: the vector pictures), the mode's own
// first. The save dialog adds "Tutti i file" after them.
const std::vector<CPictureType>& PictureTypes(int nMode);

// The format for `name` saved with the type at nType (past the list: "Tutti
// i file"): the name's extension when it is one of the mode's, else the
// type's, the mode's own for "Tutti i file". A name without an extension gets
// the format's.
PictureFormat ChoosePictureFormat(int nMode, int nType, std::string& name);
