#pragma once
// The picture formats the program writes, and the one a file name stands for.
// Every place that picks a format by a name's extension reads it here, so that
// the dialog, the command line and the comparison agree on what a name means.
#include <string>

// In this order: the command line keeps one bit per format.
enum PictureFormat {
    PICTURE_BMP,
    PICTURE_PNG,
    PICTURE_EMF,
    PICTURE_SVG,
    PICTURE_PDF,
    PICTURE_NONE
};

// The extension of the last component of `path`, in lower case, without its
// dot; empty when it has none. A dot that starts the component does not count:
// ".png" is a hidden file's name, not a picture without a name.
std::string PictureExtension(const std::string& path);
// The format the extension names, or PICTURE_NONE.
PictureFormat PictureFormatOf(const std::string& path);
// "bmp", "png", ...; empty for PICTURE_NONE.
const char* PictureFormatExtension(PictureFormat format);
