#include "doc/export/picture_format.h"

#include <cctype>

namespace {
const char* const kExtensions[] = {"bmp", "png", "emf", "svg", "pdf"};
} // namespace

std::string PictureExtension(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot <= start) return std::string();
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

PictureFormat PictureFormatOf(const std::string& path) {
    const std::string ext = PictureExtension(path);
    for (int i = 0; i < PICTURE_NONE; ++i)
        if (ext == kExtensions[i]) return PictureFormat(i);
    return PICTURE_NONE;
}

const char* PictureFormatExtension(PictureFormat format) {
    return unsigned(format) < unsigned(PICTURE_NONE) ? kExtensions[format] : "";
}
