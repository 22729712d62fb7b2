#include "doc/export/export_bitmap.h"

#include "doc/document/system_error.h"
#include "doc/export/export_common.h"
#include "doc/export/little_endian.h"
#include "doc/files/safe_file.h"
#include "model/translate_noop.h"

#include <algorithm>
#include <new>

namespace {
// Bigger bitmaps are refused rather than attempted.
constexpr std::int64_t MAX_SIDE = 200000;
constexpr std::int64_t MAX_BYTES = std::int64_t(1) << 30;
constexpr int BAND_ROWS = 256;

} // namespace

CBitmapGeometry ComputeBitmapGeometry(const CExportOptions& o, std::int64_t w, std::int64_t h) {
    CBitmapGeometry g;
    const std::int64_t k = o.nMicronsPerUnit;
    if (o.nMode == EXPORT_RELATIVE) {
        g.nViewport = 25 * std::int64_t(o.nZoom);
        g.nWidth = w * o.nZoom / 100;
        g.nHeight = h * o.nZoom / 100;
    } else {
        g.nViewport = std::int64_t(o.nDPI) * k * SHEET_SIZE / 25600;
        g.nWidth = w * o.nDPI * k / 25600;
        g.nHeight = h * o.nDPI * k / 25600;
        g.nPixelsPerMetre = std::int32_t(100 * o.nDPI * 0.39370078740157477);
    }
    g.nRowBytes = (g.nWidth + 15) / 16 * 2;
    g.nPaddedRowBytes = (g.nRowBytes + 3) / 4 * 4;
    return g;
}

std::string BmpHeader(const CBitmapGeometry& g) {
    std::string s = "BM";
    Put32(s, std::uint32_t(62 + g.nHeight * g.nPaddedRowBytes));
    Put32(s, 0);
    Put32(s, 62);
    Put32(s, 40);
    Put32(s, std::uint32_t(g.nWidth));
    Put32(s, std::uint32_t(g.nHeight));
    Put16(s, 1);
    Put16(s, 1);
    for (int i = 0; i < 2; ++i)
        Put32(s, 0); // no compression, no image size
    Put32(s, std::uint32_t(g.nPixelsPerMetre));
    Put32(s, std::uint32_t(g.nPixelsPerMetre));
    for (int i = 0; i < 3; ++i)
        Put32(s, 0);      // colours used, important; palette 0 black
    Put32(s, 0x00FFFFFF); // palette 1 white
    return s;
}

namespace {
// The band's rows in logical units, one unit wider on every side.
CRect BandVisible(CSurface& dc, int w, int rows) {
    const CPoint a = dc.DPtoLP(CPoint{0, 0}), b = dc.DPtoLP(CPoint{w, rows});
    return {ClampToInt32(std::int64_t(a.x) - 1), ClampToInt32(std::int64_t(a.y) - 1),
            ClampToInt32(std::int64_t(b.x) + 1), ClampToInt32(std::int64_t(b.y) + 1)};
}

// Draws the picture band by band into the file's rows, the bottom row first
// as a bitmap keeps them; false when the progress stopped it.
bool DrawBands(const CPicturePrep& prep, const CPrimitiveList& prims, IRasterBand& band,
               IDrawProgress* progress, std::string& file) {
    const CBitmapGeometry& g = prep.Geometry();
    const int W = int(g.nWidth), H = int(g.nHeight);
    const CLayerBuckets buckets(prims);
    CLayerWalk walk(prep.Layers());
    walk.bMonochrome = true;
    walk.bCull = true;
    walk.pProgress = progress;
    for (int y0 = 0; y0 < H; y0 += BAND_ROWS) {
        const int rows = std::min(BAND_ROWS, H - y0);
        if (y0 > 0) band.Clear();
        SetPictureMapping(band.Surface(), prep.Extent(), prep.Viewport(), y0);
        walk.visible = BandVisible(band.Surface(), W, rows);
        walk.dProgressFrom = double(y0) / H;
        walk.dProgressTo = double(y0 + rows) / H;
        if (!DrawExportPicture(buckets, band.Surface(), prep.Extent(), prep.Viewport(), y0, walk))
            return false;
        for (int r = 0; r < rows; ++r) {
            const std::size_t at =
                std::size_t(62 + std::int64_t(H - 1 - (y0 + r)) * g.nPaddedRowBytes);
            band.ReadMonoRow(r, reinterpret_cast<std::uint8_t*>(&file[at]));
        }
        if (progress && !progress->Continue(walk.dProgressTo)) return false;
    }
    return true;
}
} // namespace

ExportResult ExportBitmap(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                          const RasterBandFactory& makeBand, IDrawProgress* progress,
                          int* pnErrno) {
    auto probe = makeBand(1, 1);
    if (!probe) return EXPORT_BITMAP_ERROR;
    const CPicturePrep prep(doc, probe->Surface(), o);
    probe.reset();
    if (!prep.HasExtent()) return EXPORT_NO_EXTENT;
    const CBitmapGeometry& g = prep.Geometry();
    if (g.nWidth <= 0 || g.nHeight <= 0 || g.nWidth > MAX_SIDE || g.nHeight > MAX_SIDE ||
        g.nHeight * g.nPaddedRowBytes > MAX_BYTES)
        return EXPORT_BITMAP_ERROR;
    std::string file;
    try {
        file = BmpHeader(g);
        file.resize(std::size_t(62 + g.nHeight * g.nPaddedRowBytes), '\0');
    } catch (const std::bad_alloc&) {
        return EXPORT_MEMORY_ERROR;
    }
    // One band serves every stripe, so its fonts are loaded once.
    auto band = makeBand(int(g.nWidth), std::min(BAND_ROWS, int(g.nHeight)));
    if (!band) return EXPORT_BITMAP_ERROR;
    if (!DrawBands(prep, doc.Primitives(), *band, progress, file)) return EXPORT_STOPPED;
    return WriteFileSafely(path, file, pnErrno) ? EXPORT_OK : EXPORT_WRITE_ERROR;
}

std::string ExportMessage(ExportResult r, int nErrno) {
    switch (r) {
    case EXPORT_OK:
    case EXPORT_STOPPED:
        return std::string();
    case EXPORT_NO_EXTENT:
        return QT_TRANSLATE_NOOP(
            "Messaggi",
            "Il disegno non ha elementi sui layer visibili: non c'e' nulla da esportare.");
    case EXPORT_BITMAP_ERROR:
        return QT_TRANSLATE_NOOP("Messaggi", "Errore di creazione del bitmap!");
    case EXPORT_MEMORY_ERROR:
        return QT_TRANSLATE_NOOP("Messaggi", "Errore di allocazione di memoria!");
    case EXPORT_WRITE_ERROR:
        return WithSystemCause(QT_TRANSLATE_NOOP("Messaggi", "Impossibile scrivere il file."),
                               nErrno);
    }
    return std::string();
}
