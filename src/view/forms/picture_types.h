#pragma once
// The file types "Salva come bitmap/EMF..." offers for each mode of its
// dialog, and the format a chosen name and type stand for.
#include "doc/export/picture_format.h"

#include <string>
#include <vector>

struct CPictureType {
    PictureFormat nFormat;
    const char* pszFilter; // as the save dialog shows it
};

// The types for the export mode (relative and absolute: the rasters at the
// dialog's scale; Enhanced Metafile: the vector pictures), the mode's own
// first. The save dialog adds "Tutti i file" after them.
const std::vector<CPictureType>& PictureTypes(int nMode);

struct CPictureChoice {
    PictureFormat nFormat = PICTURE_BMP;
    std::string name;    // with the format's extension added when it had none
    std::string refusal; // not empty: nothing may be written, the message says why
};

// The format for `name` saved with the type at nType (past the list: "Tutti
// i file", which stands for the mode's own type). An extension chooses the
// format when the mode writes it and is refused otherwise, so a file's content
// never contradicts its name; a name without one gets the type's.
CPictureChoice ChoosePictureFormat(int nMode, int nType, const std::string& name);
