#include "doc/export/picture_format.h"

#include <gtest/gtest.h>

// Only the last component's extension counts, and not a dot that starts it.
TEST(PictureFormat, TheLastComponentsExtensionNamesTheFormat) {
    const struct {
        const char* path;
        const char* ext;
        PictureFormat format;
    } cases[] = {
        {"a.PNG", "png", PICTURE_PNG},     {"a.b/c", "", PICTURE_NONE},
        {"dir/.png", "", PICTURE_NONE},    {".svg", "", PICTURE_NONE},
        {"x.tar.pdf", "pdf", PICTURE_PDF}, {"noext", "", PICTURE_NONE},
        {"a.", "", PICTURE_NONE},          {"C:/x.y/z", "", PICTURE_NONE},
        {"a.gif", "gif", PICTURE_NONE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PictureExtension(c.path), c.ext) << c.path;
        EXPECT_EQ(PictureFormatOf(c.path), c.format) << c.path;
    }
    for (int f = 0; f < PICTURE_NONE; ++f)
        EXPECT_EQ(PictureFormatOf(std::string("x.") + PictureFormatExtension(PictureFormat(f))),
                  PictureFormat(f));
    EXPECT_STREQ(PictureFormatExtension(PICTURE_NONE), "");
}
