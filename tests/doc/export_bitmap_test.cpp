// The bitmap's geometry, header and row layout (pixels are checked with the Qt layer).
#include "../test_util.h"
#include "doc/export_bitmap.h"
#include "fake_ui.h"
#include "model/recording_surface.h"

#include <fstream>
#include <sstream>

namespace {
std::uint32_t U32(const std::string& s, std::size_t at) {
    return std::uint32_t(std::uint8_t(s[at])) | std::uint32_t(std::uint8_t(s[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(s[at + 2])) << 16 | std::uint32_t(std::uint8_t(s[at + 3])) << 24;
}

// A band that draws nothing and answers each row with its row number in the
// whole bitmap, so that the file's row order can be checked.
class CNumberedBand final : public IRasterBand {
public:
    CNumberedBand(int w, std::vector<CRecordingSurface*>* seen) : m_nWidth(w) {
        if (seen) seen->push_back(&m_dc);
    }
    CSurface& Surface() override { return m_dc; }
    void Clear() override {}
    void ReadMonoRow(int y, std::uint8_t* bits) const override {
        const int row = y - m_dc.GetViewportOrg().y;
        for (int i = 0; i < (m_nWidth + 15) / 16 * 2; ++i) bits[i] = std::uint8_t(row);
    }
    int m_nWidth;
    CRecordingSurface m_dc;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
} // namespace

TEST(BitmapGeometry, DefaultsAndRelativeMode) {
    CExportOptions o; // absolute, 600 DPI, 127 microns
    CBitmapGeometry g = ComputeBitmapGeometry(o, 100, 50);
    EXPECT_EQ(g.nViewport, 7441);
    EXPECT_EQ(g.nPixelsPerMetre, 23622);
    EXPECT_EQ(g.nWidth, 297); // 100 * 600 * 127 / 25600
    EXPECT_EQ(g.nRowBytes, 38);
    EXPECT_EQ(g.nPaddedRowBytes, 40);
    o.nMode = EXPORT_RELATIVE;
    g = ComputeBitmapGeometry(o, 100, 50);
    EXPECT_EQ(g.nViewport, 10000); // 4 pixels per unit on a 2500-unit sheet
    EXPECT_EQ(g.nWidth, 400);
    EXPECT_EQ(g.nHeight, 200);
    EXPECT_EQ(g.nPixelsPerMetre, 0);
    EXPECT_EQ(g.nRowBytes, 50);
    EXPECT_EQ(g.nPaddedRowBytes, 52);
}

TEST(BitmapGeometry, LargestValuesDoNotOverflow) {
    CExportOptions o;
    o.nDPI = 2400;
    o.nMicronsPerUnit = 1000;
    const CBitmapGeometry g = ComputeBitmapGeometry(o, 2510, 2510);
    EXPECT_EQ(g.nViewport, 234375);
    EXPECT_EQ(g.nWidth, 235312);
    EXPECT_EQ(g.nPixelsPerMetre, 94488);
}

TEST(BitmapHeader, SixtyTwoBytesAsWindowsReadsThem) {
    CExportOptions o;
    const CBitmapGeometry g = ComputeBitmapGeometry(o, 100, 50);
    const std::string h = BmpHeader(g);
    ASSERT_EQ(h.size(), 62u);
    EXPECT_EQ(h.substr(0, 2), "BM");
    EXPECT_EQ(U32(h, 2), 62 + g.nHeight * 40);
    EXPECT_EQ(U32(h, 10), 62u);
    EXPECT_EQ(U32(h, 14), 40u);
    EXPECT_EQ(U32(h, 18), 297u);
    EXPECT_EQ(U32(h, 22), std::uint32_t(g.nHeight));
    EXPECT_EQ(U32(h, 26), 1u | (1u << 16)); // one plane, one bit
    EXPECT_EQ(U32(h, 38), 23622u);
    EXPECT_EQ(U32(h, 42), 23622u);
    EXPECT_EQ(U32(h, 54), 0u);
    EXPECT_EQ(U32(h, 58), 0x00FFFFFFu);
}

class BitmapExport : public ::testing::Test {
protected:
    CFakeUi ui;
    std::vector<CRecordingSurface*> bands;
    RasterBandFactory factory = [this](int w, int) { return std::make_unique<CNumberedBand>(w, &bands); };
    std::string path = testing::TempDir() + "export_test.bmp";
};

TEST_F(BitmapExport, RowsAreWrittenBottomUpAndPaddedInBands) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nRP 0 0 100 150\r\n"));
    CExportOptions o;
    o.nMode = EXPORT_RELATIVE;
    o.nZoom = 200; // 110 x 160 units: 220 x 320 pixels, B = 28, R = 28
    ASSERT_EQ(ExportBitmap(doc, o, path, factory), EXPORT_OK);
    const std::string f = ReadFile(path);
    ASSERT_EQ(f.size(), 62u + 320u * 28u);
    EXPECT_EQ(U32(f, 18), 220u);
    EXPECT_EQ(std::uint8_t(f[62]), std::uint8_t(319)); // the last row comes first
    EXPECT_EQ(std::uint8_t(f[62 + 319 * 28]), 0);
    EXPECT_EQ(bands.size(), 2u); // the probe, and one band reused for both stripes
}

TEST_F(BitmapExport, NarrowRowsArePaddedWithZeros) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nRP 0 0 1 1\r\n"));
    CExportOptions o;
    o.nMode = EXPORT_RELATIVE;
    o.nZoom = 100; // 11 x 11 pixels: B = 2, R = 4
    ASSERT_EQ(ExportBitmap(doc, o, path, factory), EXPORT_OK);
    const std::string f = ReadFile(path);
    ASSERT_EQ(f.size(), 62u + 11u * 4u);
    EXPECT_EQ(f.substr(62 + 2, 2), std::string(2, '\0'));
}

TEST_F(BitmapExport, NothingOnAShownLayerOrNoFolderIsRefusedAndTheSelectionKept) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nRP 0 0 10 10 3\r\nLI 0 0 50 50\r\n"));
    CExportOptions o;
    o.layers.m_bLayerShow[3] = o.layers.m_bLayerShow[0] = 0;
    EXPECT_EQ(ExportBitmap(doc, o, path + ".none", factory), EXPORT_NO_EXTENT);
    EXPECT_FALSE(ExportMessage(EXPORT_NO_EXTENT).empty());
    o.layers.m_bLayerShow[0] = 1;
    doc.Select(doc.Primitives()[1].get(), true);
    ASSERT_EQ(ExportBitmap(doc, o, path, factory), EXPORT_OK);
    EXPECT_EQ(doc.Selection(), std::vector<CPrimitive*>{doc.Primitives()[1].get()});
    EXPECT_TRUE(doc.Primitives()[1]->IsSelected());
    // The line's band reaches one unit past its ends; the hidden rectangle is not counted.
    EXPECT_EQ(U32(ReadFile(path), 18), std::uint32_t(62 * 600 * 127 / 25600));
    int nErrno = 0;
    EXPECT_EQ(ExportBitmap(doc, o, path + ".d/x.bmp", factory, nullptr, &nErrno),
              EXPORT_WRITE_ERROR);
    EXPECT_EQ(ExportMessage(EXPORT_WRITE_ERROR, nErrno),
              "Impossibile scrivere il file.\nLa cartella non esiste");
}

TEST_F(BitmapExport, AHugeExtentIsRefusedNotAttempted) {
    CSchemoDoc doc(DOC_DRAWING, &ui);
    ASSERT_TRUE(doc.Load("[TAVOLIN]\r\nLI -2000000000 0 2000000000 0\r\n"));
    EXPECT_EQ(ExportBitmap(doc, CExportOptions(), path, factory), EXPORT_BITMAP_ERROR);
}
