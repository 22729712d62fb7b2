// The picture's format from its name, and the bitmap's geometry and file
// layout (its pixels are checked with the Qt layer).
#include "../test_util.h"
#include "doc/export_bitmap.h"
#include "fake_ui.h"
#include "model/recording_surface.h"
#include "view/picture_types.h"

#include <fstream>
#include <sstream>

// A name's extension never contradicts what is written: one the mode cannot
// write is refused. Modes: 0 relative, 1 absolute, 2 metafile.
TEST(PictureTypes, TheNameOrTheTypeChoosesTheFormat) {
    const struct {
        int nMode, nType;
        const char* name;
        PictureFormat format;
        const char* written;
        const char* refusal;
    } cases[] = {
        {1, 1, "disegno", PICTURE_PNG, "disegno.png", ""},
        {0, 2, "disegno", PICTURE_BMP, "disegno.bmp", ""}, // "Tutti i file": the mode's own
        {2, 3, "disegno", PICTURE_EMF, "disegno.emf", ""},
        {2, 2, "/tmp/a.b/disegno", PICTURE_PDF, "/tmp/a.b/disegno.pdf", ""},
        {1, 0, "disegno.PNG", PICTURE_PNG, "disegno.PNG", ""}, // the extension wins
        {1, 0, "/tmp/.nascosto", PICTURE_BMP, "/tmp/.nascosto.bmp", ""},
        {0, 2, "disegno.SVG", PICTURE_BMP, "disegno.SVG",
         "Un file .svg non si puo' salvare in questa modalita': usare .bmp o .png, oppure "
         "scegliere la modalita' \"Enhanced Metafile\"."},
        {2, 0, "disegno.bmp", PICTURE_BMP, "disegno.bmp",
         "Un file .bmp non si puo' salvare in questa modalita': usare .emf, .svg o .pdf, oppure "
         "scegliere la modalita' relativa o assoluta."},
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

namespace {
std::uint32_t U32(const std::string& s, std::size_t at) {
    return std::uint32_t(std::uint8_t(s[at])) | std::uint32_t(std::uint8_t(s[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(s[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(s[at + 3])) << 24;
}

// A band that draws nothing and answers each row with its row number in the
// whole bitmap, so that the file's row order can be checked.
class CNumberedBand final : public IRasterBand {
  public:
    explicit CNumberedBand(int w) : m_nWidth(w) {}
    CSurface& Surface() override { return m_dc; }
    void Clear() override {}
    void ReadMonoRow(int y, std::uint8_t* bits) const override {
        const int row = y - m_dc.GetViewportOrg().y;
        for (int i = 0; i < (m_nWidth + 15) / 16 * 2; ++i)
            bits[i] = std::uint8_t(row);
    }
    int m_nWidth;
    CRecordingSurface m_dc;
};

std::string ReadFile(const std::string& path) {
    std::stringstream ss;
    ss << std::ifstream(path, std::ios::binary).rdbuf();
    return ss.str();
}

const RasterBandFactory kNumbered = [](int w, int) { return std::make_unique<CNumberedBand>(w); };
const std::string kPath = testing::TempDir() + "export_test.bmp";
} // namespace

TEST(BitmapGeometry, AbsoluteRelativeAndLargest) {
    // Mode, DPI, microns a unit, units wide and high -> viewport, width, height,
    // pixels a metre, bytes a row, padded. 100 * 600 * 127 / 25600; 4 pixels a
    // unit of 2500.
    const std::int64_t cases[][11] = {
        {EXPORT_ABSOLUTE, 600, 127, 100, 50, 7441, 297, 148, 23622, 38, 40},
        {EXPORT_RELATIVE, 600, 127, 100, 50, 10000, 400, 200, 0, 50, 52},
        {EXPORT_ABSOLUTE, 2400, 1000, 2510, 2510, 234375, 235312, 235312, 94488, 29414, 29416},
    };
    for (const auto& c : cases) {
        CExportOptions o;
        o.nMode = int(c[0]);
        o.nDPI = int(c[1]);
        o.nMicronsPerUnit = int(c[2]);
        const CBitmapGeometry g = ComputeBitmapGeometry(o, int(c[3]), int(c[4]));
        EXPECT_EQ((std::vector<std::int64_t>{g.nViewport, g.nWidth, g.nHeight, g.nPixelsPerMetre,
                                             g.nRowBytes, g.nPaddedRowBytes}),
                  std::vector<std::int64_t>(c + 5, c + 11));
    }
}

// Rows bottom up through the bands, each padded with zeros to four bytes (Qt's
// reader checks the header and the palette).
TEST(BitmapExport, RowsBottomUpAndPadded) {
    const struct {
        const char* drawing;
        int nZoom, nHeight, nUsed, nPadded;
    } cases[] = {
        {"RP 0 0 100 150", 200, 320, 28, 28}, // 110 x 160 units, more than a band
        {"RP 0 0 1 1", 100, 11, 2, 4},
    };
    for (const auto& c : cases) {
        CFakeUi ui;
        CSchemoDoc doc(DOC_DRAWING, &ui);
        ASSERT_TRUE(doc.Load(std::string("[TAVOLIN]\r\n") + c.drawing + "\r\n"));
        CExportOptions o;
        o.nMode = EXPORT_RELATIVE;
        o.nZoom = c.nZoom;
        ASSERT_EQ(ExportBitmap(doc, o, kPath, kNumbered), EXPORT_OK);
        const std::string f = ReadFile(kPath);
        ASSERT_EQ(f.size(), 62u + std::size_t(c.nHeight * c.nPadded)) << c.drawing;
        for (int row = 0; row < c.nHeight; ++row)
            ASSERT_EQ(f.substr(62 + std::size_t(row * c.nPadded), c.nPadded),
                      std::string(c.nUsed, char(c.nHeight - 1 - row)) +
                          std::string(c.nPadded - c.nUsed, '\0'))
                << c.drawing << " row " << row;
    }
}

// A hidden layer does not count in the extent; a huge one is refused, not attempted.
TEST(BitmapExport, TheExtentIsWhatIsShownAndAHugeOneIsRefused) {
    CFakeUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nRP 0 0 10 10 3\r\nLI 0 0 50 50\r\n"));
    CExportOptions o;
    o.layers.m_bLayerShow[3] = 0;
    ASSERT_EQ(ExportBitmap(doc, o, kPath, kNumbered), EXPORT_OK);
    // The line's band reaches one unit past its ends.
    EXPECT_EQ(U32(ReadFile(kPath), 18), std::uint32_t(62 * 600 * 127 / 25600));
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nLI -2000000000 0 2000000000 0\r\n"));
    EXPECT_EQ(ExportBitmap(doc, CExportOptions(), kPath, kNumbered), EXPORT_BITMAP_ERROR);
}
