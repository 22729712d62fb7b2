// A drawing loaded into a document and exported as a small 1-bit BMP through
// the real Qt raster bands. The first byte picks a zoom of 1..5 percent; the
// rest is the drawing.
#include "fuzz_util.h"

#include "doc/document/document.h"
#include "doc/export/export_bitmap.h"
#include "format/reader.h"
#include "model/macro.h"
#include "model/text.h"
#include "qtlayer/qt_raster.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {
// Larger exports only measure the machine (and the export refuses some of
// them by design), so they are skipped.
constexpr std::int64_t kMaxPixels = 2'000'000;
constexpr std::int64_t kMaxSide = 20'000;
// Likewise text: Qt fills each glyph row by row, some microseconds a row, so
// a few thousand glyphs two thousand pixels tall take seconds, proportionately.
constexpr std::int64_t kMaxGlyphRows = 500'000;
constexpr std::int64_t kMaxTextPixels = 2048; // the tallest cell drawn

std::uint32_t Le32(const std::string& s, std::size_t at) {
    return std::uint32_t(std::uint8_t(s[at])) | std::uint32_t(std::uint8_t(s[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(s[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(s[at + 3])) << 24;
}
std::uint32_t Le16(const std::string& s, std::size_t at) {
    return std::uint32_t(std::uint8_t(s[at])) | std::uint32_t(std::uint8_t(s[at + 1])) << 8;
}

bool Exists(const std::string& path) {
    return std::ifstream(path).good();
}

// The rows of glyphs the texts ask for at nZoom percent, macros' own included.
std::int64_t GlyphRows(const CPrimitiveList& list, int nZoom) {
    std::int64_t rows = 0;
    for (const auto& p : list) {
        if (auto* m = dynamic_cast<CMacro*>(p.get())) rows += GlyphRows(m->GetComponents(), nZoom);
        const auto* t = dynamic_cast<const CExtendedText*>(p.get());
        if (!t) continue;
        const std::int64_t h = std::min<std::int64_t>(
            kMaxTextPixels, std::llabs(std::int64_t(t->m_nHeight)) * nZoom / 100 + 1);
        rows += h * std::int64_t(t->m_strText.size());
        if (rows > kMaxGlyphRows) return rows;
    }
    return rows;
}

// The bitmap the export should make, found as the export does before drawing.
struct Plan {
    bool bExtent = false;
    CBitmapGeometry g;
};
Plan PlanExport(CSchemoDoc& doc, const CExportOptions& o) {
    Plan plan;
    auto probe = MakeQtRasterBand(1, 1);
    if (!probe) fuzz::Fail("a 1x1 band can be made");
    CSurface& dc = probe->Surface();
    const std::int64_t v = ComputeBitmapGeometry(o, 0, 0).nViewport;
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(2500, 2500);
    dc.SetViewportExt(int(v), int(v));
    doc.UpdateRegions(dc);
    CRect ext;
    plan.bExtent = doc.GetExtent(o.layers, ext);
    if (plan.bExtent) {
        // The margin of 5 units, within 32 bits.
        const std::int64_t left = ClampToInt32(std::int64_t(ext.left) - 5),
                           top = ClampToInt32(std::int64_t(ext.top) - 5),
                           right = ClampToInt32(std::int64_t(ext.right) + 5),
                           bottom = ClampToInt32(std::int64_t(ext.bottom) + 5);
        plan.g = ComputeBitmapGeometry(o, right - left, bottom - top);
    }
    return plan;
}
} // namespace

// Fontconfig keeps a few blocks of its configuration unreachable for the
// life of the process; that is its business, not the program's.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qargc = 1;
    static char* qargv[] = {(*argv)[0], nullptr};
    (void)argc;
    new QGuiApplication(qargc, qargv); // lives as long as the process
    fuzz::PrivateProgramDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    fuzz::Program().cache.Clear();

    CSchemoDoc doc(DOC_DRAWING, nullptr, fuzz::Program().context);
    if (!doc.Load(text)) return 0;

    // The document writes what it read as a fixed point, like the bare writer.
    std::string stored, again;
    fuzz::Check(doc.Store("f.tvd", true, stored), "a drawing can be stored");
    CSchemoDoc reloaded(DOC_DRAWING, nullptr, fuzz::Program().context);
    fuzz::Check(reloaded.Load(stored), "a stored drawing loads", stored);
    // Lines refused are gone; primitives on a layer beyond the sixteen are kept on purpose.
    fuzz::Check((reloaded.m_nLoadErrors & READ_REFUSED) == 0,
                "a stored drawing loads without refused lines", stored);
    fuzz::Check(reloaded.Store("f.tvd", true, again) && again == stored,
                "store(load(stored)) == stored", stored, again);

    CExportOptions o;
    o.nMode = EXPORT_RELATIVE;
    o.nZoom = 1 + data[0] % 5;
    const Plan plan = PlanExport(doc, o);
    if (plan.bExtent && (plan.g.nWidth > kMaxSide || plan.g.nHeight > kMaxSide ||
                         plan.g.nWidth * plan.g.nHeight > kMaxPixels))
        return 0;
    if (GlyphRows(doc.Primitives(), o.nZoom) > kMaxGlyphRows) return 0;

    const std::string path = fuzz::PrivateProgramDir() + "/out.bmp";
    std::remove(path.c_str());
    const ExportResult r = ExportBitmap(doc, o, path, MakeQtRasterBand);
    fuzz::Check(doc.Selection().empty(), "the export leaves nothing selected");
    if (!plan.bExtent) {
        fuzz::Check(r == EXPORT_NO_EXTENT, "no extent, no bitmap");
        fuzz::Check(!Exists(path), "no file without a bitmap");
        return 0;
    }
    if (plan.g.nWidth <= 0 || plan.g.nHeight <= 0) {
        fuzz::Check(r == EXPORT_BITMAP_ERROR, "an empty bitmap is refused");
        fuzz::Check(!Exists(path), "no file without a bitmap");
        return 0;
    }
    fuzz::Check(r == EXPORT_OK, "a small bitmap is exported", ExportMessage(r));

    std::ifstream in(path, std::ios::binary);
    const std::string bmp((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fuzz::Check(bmp.size() >= 62 && bmp[0] == 'B' && bmp[1] == 'M', "a BMP starts with BM");
    const std::uint32_t w = Le32(bmp, 18), h = Le32(bmp, 22);
    const std::uint64_t rowBytes = (std::uint64_t(w) + 31) / 32 * 4;
    fuzz::Check(Le32(bmp, 10) == 62 && Le32(bmp, 14) == 40 && Le16(bmp, 26) == 1 &&
                    Le16(bmp, 28) == 1,
                "a 1-bit BMP with the rows at 62");
    fuzz::Check(std::int64_t(w) == plan.g.nWidth && std::int64_t(h) == plan.g.nHeight,
                "the BMP has the planned size");
    fuzz::Check(Le32(bmp, 2) == bmp.size(), "the header gives the file size");
    fuzz::Check(bmp.size() == 62 + std::uint64_t(h) * rowBytes, "the file is 62 + H*R bytes");
    // The first palette entry is black, the second white.
    fuzz::Check(Le32(bmp, 54) == 0 && Le32(bmp, 58) == 0x00FFFFFF, "the palette is black, white");
    return 0;
}
