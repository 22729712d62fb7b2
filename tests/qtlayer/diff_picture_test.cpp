// The comparison's picture on real pixels: a moved resistor is red where it
// was and green where it is, in plain colours without blending.
#include "qtlayer/qt_diff_picture.h"
#include "support/core_test.h"

TEST(DiffPicture, AMovedResistorIsRedWhereItWasAndGreenWhereItIs) {
    CLibraryState library;
    const CLoadedText a =
        ParseDocumentText("[TAVOLIN]\nMC 100 100 0 0 080\nLI 100 150 300 150", library.context);
    const CLoadedText b =
        ParseDocumentText("[TAVOLIN]\nMC 300 100 0 0 080\nLI 100 150 300 150", library.context);
    const CDrawingDiff d = CompareLists(a.title, a.list, b.title, b.list);
    CDiffPictureOptions o;
    o.nWidth = 600;
    o.nHeight = 300;
    const QImage image = DiffImage({{"", &a.list, &b.list, &d}}, d.Legend(), o);
    int red[2] = {0, 0}, green[2] = {0, 0}, blended = 0;
    for (int y = 40; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) & 0xFFFFFF;
            const int half = x < image.width() / 2 ? 0 : 1;
            red[half] += c == 0xFF0000;
            green[half] += c == 0x00A000;
            blended +=
                c != 0xFFFFFF && c != 0xFF0000 && c != 0x00A000 && c != 0xC0C0C0 && c != 0x808080;
        }
    EXPECT_GT(red[0], 20);
    EXPECT_EQ(red[1], 0);
    EXPECT_EQ(green[0], 0);
    EXPECT_GT(green[1], 20);
    EXPECT_EQ(blended, 0);
}
