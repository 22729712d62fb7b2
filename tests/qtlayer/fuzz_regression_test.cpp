// Every drawing the export fuzzer once crashed on still exports cleanly.
#include "doc/export_bitmap.h"
#include "qtlayer/qt_raster.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
class CQuietUi final : public IDocumentUi {
public:
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    Answer AskYesNoCancel(const std::string&, const std::string&) override { return ANSWER_YES; }
};
} // namespace

TEST(FuzzRegression, ExportFindingsExportWithoutFault) {
    const std::filesystem::path dir = std::filesystem::path(FUZZ_CRASH_DIR);
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        if (e.path().filename().string().rfind("fuzz_export-", 0) != 0) continue;
        std::ifstream in(e.path(), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string input = ss.str();
        CQuietUi ui;
        CSchemoDoc doc(DOC_DRAWING, &ui);
        if (!doc.Load(input.substr(input.empty() ? 0 : 1))) continue; // first byte: the zoom
        CExportOptions o;
        o.nMode = EXPORT_RELATIVE;
        o.nZoom = 1 + (input.empty() ? 0 : std::uint8_t(input[0]) % 5);
        const std::string out = testing::TempDir() + "fuzz_regression.bmp";
        const ExportResult r = ExportBitmap(doc, o, out, MakeQtRasterBand);
        EXPECT_TRUE(r == EXPORT_OK || r == EXPORT_NO_EXTENT || r == EXPORT_BITMAP_ERROR)
            << e.path();
        std::filesystem::remove(out);
        ++n;
    }
    EXPECT_GT(n, 0);
}
