#include "model/fontfaces.h"

namespace {
IFontFaceSource* g_pFontFaces = nullptr;
}

void SetFontFaceSource(IFontFaceSource* source) {
    g_pFontFaces = source;
}

std::vector<std::string> GetFixedPitchFaces() {
    return g_pFontFaces ? g_pFontFaces->FixedPitchFaces() : std::vector<std::string>();
}
