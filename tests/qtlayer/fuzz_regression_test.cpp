// Every drawing the export fuzzer once crashed on still exports cleanly.
#include "../doc/fake_ui.h"
#include "doc/export_bitmap.h"
#include "qtlayer/qt_raster.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

TEST(FuzzRegression, ExportFindingsExportWithoutFault) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(FUZZ_CRASH_DIR)) {
        if (e.path().filename().string().rfind("fuzz_export-", 0) != 0) continue;
        std::stringstream ss;
        ss << std::ifstream(e.path(), std::ios::binary).rdbuf();
        const std::string input = ss.str() + " "; // first byte: the zoom
        CFakeUi ui;
        CSchemoDoc doc(DOC_DRAWING, &ui);
        if (!doc.Load(input.substr(1, input.size() - 2))) continue;
        CExportOptions o;
        o.nMode = EXPORT_RELATIVE;
        o.nZoom = 1 + std::uint8_t(input[0]) % 5;
        const std::string out = testing::TempDir() + "fuzz_regression.bmp";
        const ExportResult r = ExportBitmap(doc, o, out, MakeQtRasterBand);
        EXPECT_TRUE(r == EXPORT_OK || r == EXPORT_NO_EXTENT || r == EXPORT_BITMAP_ERROR)
            << e.path();
        std::filesystem::remove(out);
        ++n;
    }
    EXPECT_GT(n, 0);
}
