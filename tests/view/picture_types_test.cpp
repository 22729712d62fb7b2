// The format of an exported picture from its name and the chosen file type.
#include "view/picture_types.h"

#include <gtest/gtest.h>

// A name's extension never contradicts what is written: one the mode cannot
// write is refused.
TEST(PictureTypes, TheNameOrTheTypeChoosesTheFormat) {
    const char* const toVector = "Un file .svg non si puo' salvare in questa modalita': usare "
                                 ".bmp o .png, oppure scegliere la modalita' \"Enhanced Metafile\".";
    const struct {
        int nMode, nType;
        const char* name;
        PictureFormat format;
        const char* written;
        const char* refusal;
    } cases[] = {
        {1, 0, "disegno", PICTURE_BMP, "disegno.bmp", ""},
        {1, 1, "disegno", PICTURE_PNG, "disegno.png", ""},
        {0, 2, "disegno", PICTURE_BMP, "disegno.bmp", ""}, // "Tutti i file": the mode's own
        {2, 3, "disegno", PICTURE_EMF, "disegno.emf", ""}, // not ".bmp" for a metafile
        {2, 1, "disegno", PICTURE_SVG, "disegno.svg", ""},
        {2, 2, "/tmp/a.b/disegno", PICTURE_PDF, "/tmp/a.b/disegno.pdf", ""},
        {1, 0, "disegno.PNG", PICTURE_PNG, "disegno.PNG", ""}, // the extension wins
        {1, 1, "disegno.bmp", PICTURE_BMP, "disegno.bmp", ""},
        {2, 0, "disegno.pdf", PICTURE_PDF, "disegno.pdf", ""},
        {1, 0, "/tmp/.nascosto", PICTURE_BMP, "/tmp/.nascosto.bmp", ""},
        {1, 0, "disegno.svg", PICTURE_BMP, "disegno.svg", toVector},
        {0, 2, "disegno.SVG", PICTURE_BMP, "disegno.SVG", toVector},
        {2, 0, "disegno.bmp", PICTURE_BMP, "disegno.bmp",
         "Un file .bmp non si puo' salvare in questa modalita': usare .emf, .svg o .pdf, oppure "
         "scegliere la modalita' relativa o assoluta."},
        {1, 1, "disegno.txt", PICTURE_BMP, "disegno.txt",
         "Il formato .txt non e' supportato: usare .bmp o .png."},
        {2, 9, "disegno.txt", PICTURE_BMP, "disegno.txt",
         "Il formato .txt non e' supportato: usare .emf, .svg o .pdf."},
    };
    for (const auto& c : cases) {
        const CPictureChoice choice = ChoosePictureFormat(c.nMode, c.nType, c.name);
        EXPECT_EQ(choice.refusal, c.refusal) << c.name;
        if (choice.refusal.empty()) {
            EXPECT_EQ(choice.nFormat, c.format) << c.name;
        }
        EXPECT_EQ(choice.name, c.written);
    }
}
