// The format of an exported picture from its name and the chosen file type.
#include "view/picture_types.h"

#include <gtest/gtest.h>

TEST(PictureTypes, EachModeOffersItsOwnFormatFirst) {
    EXPECT_EQ(PictureTypes(0)[0].nFormat, PICTURE_BMP);
    EXPECT_EQ(PictureTypes(1)[0].nFormat, PICTURE_BMP);
    EXPECT_EQ(PictureTypes(2)[0].nFormat, PICTURE_EMF);
    EXPECT_STREQ(PictureTypes(2)[0].pszFilter, "Enhanced Metafile (*.emf)");
    EXPECT_STREQ(PictureTypes(1)[0].pszFilter, "Bitmap files (*.bmp)");
}

TEST(PictureTypes, TheNameOrTheTypeChoosesTheFormat) {
    const struct {
        int nMode, nType;
        const char* name;
        PictureFormat format;
        const char* written;
    } cases[] = {
        {1, 0, "disegno", PICTURE_BMP, "disegno.bmp"},
        {1, 1, "disegno", PICTURE_PNG, "disegno.png"},
        {0, 2, "disegno", PICTURE_BMP, "disegno.bmp"}, // "Tutti i file": the mode's own
        {2, 3, "disegno", PICTURE_EMF, "disegno.emf"}, // not ".bmp" for a metafile
        {2, 0, "disegno", PICTURE_EMF, "disegno.emf"},
        {2, 1, "disegno", PICTURE_SVG, "disegno.svg"},
        {2, 2, "/tmp/a.b/disegno", PICTURE_PDF, "/tmp/a.b/disegno.pdf"},
        {1, 0, "disegno.PNG", PICTURE_PNG, "disegno.PNG"}, // the extension wins
        {1, 1, "disegno.bmp", PICTURE_BMP, "disegno.bmp"},
        {2, 0, "disegno.pdf", PICTURE_PDF, "disegno.pdf"},
        {1, 0, "disegno.svg", PICTURE_BMP, "disegno.svg"}, // not a raster: the type's
        {1, 1, "disegno.txt", PICTURE_PNG, "disegno.txt"},
        {2, 9, "disegno.txt", PICTURE_EMF, "disegno.txt"},
        {1, 0, "/tmp/.nascosto", PICTURE_BMP, "/tmp/.nascosto.bmp"},
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        EXPECT_EQ(ChoosePictureFormat(c.nMode, c.nType, name), c.format) << c.name;
        EXPECT_EQ(name, c.written);
    }
}
