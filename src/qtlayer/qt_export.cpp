// PNG, SVG and PDF pictures of a drawing. The PNG takes the bitmap export's
// steps and sizes; SVG and PDF are at real scale on a fine device grid.
#include "qtlayer/qt_export.h"

#include "doc/export/export_common.h"
#include "doc/files/safe_file.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_vector_surface.h"
#include "view/program/version.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>
#include <memory>

const char* const MSG_CANNOT_DRAW =
    QT_TRANSLATE_NOOP("Messaggi", "Impossibile preparare il file da esportare.");

std::string StorePicture(const std::string& path, const QByteArray& bytes, unsigned nNewMode) {
    const std::string data(bytes.constData(), std::size_t(bytes.size()));
    int nErrno = 0;
    return WriteFileSafely(path, data, &nErrno, nNewMode)
               ? std::string()
               : ExportMessage(EXPORT_WRITE_ERROR, nErrno);
}

namespace {

// Bigger pictures are refused rather than attempted.
constexpr std::int64_t MAX_SIDE = 200000;
constexpr std::int64_t MAX_IMAGE_BYTES = std::int64_t(1) << 30;
constexpr double MAX_PAGE_MM = 5000;
// The device grid of the vector files, fine enough that whole device units
// place every figure within a fiftieth of a millimetre.
constexpr int VECTOR_DPI = 1200;
// Pens one pixel wide on screen become lines this wide on paper.
constexpr double HAIRLINE_MM = 0.1;

const char* const MSG_TOO_LARGE =
    QT_TRANSLATE_NOOP("Messaggi", "Il disegno e' troppo grande per essere esportato.");

// The sizes of a vector picture of the prepared extent.
struct CVectorPage {
    const CPicturePrep& prep;
    QSize device; // in device units of VECTOR_DPI
    QSizeF mm;
};

// One unit measures nMicronsPerUnit micrometres.
std::int64_t VectorViewport(const CExportOptions& o) {
    return std::llround(2500.0 * o.nMicronsPerUnit * VECTOR_DPI / 25400);
}

std::string SizeVectorPage(const CExportOptions& o, CSurface& probe, CVectorPage& page) {
    const std::int64_t w = page.prep.Width(), h = page.prep.Height();
    page.mm = QSizeF(double(w) * o.nMicronsPerUnit / 1000, double(h) * o.nMicronsPerUnit / 1000);
    if (page.mm.width() > MAX_PAGE_MM || page.mm.height() > MAX_PAGE_MM) return MSG_TOO_LARGE;
    const CSize d = probe.LPtoDP(CSize{int(w), int(h)});
    page.device = QSize(std::max(1, d.cx), std::max(1, d.cy));
    return std::string();
}

// Draws the picture; bStopped tells that the progress stopped it.
std::string DrawVector(CSchemoDoc& doc, QPaintDevice& device, const CVectorPage& page,
                       IDrawProgress* progress, bool& bStopped) {
    QPainter painter;
    if (!painter.begin(&device)) return MSG_CANNOT_DRAW;
    {
        CQtVectorSurface dc(painter, true, HAIRLINE_MM * VECTOR_DPI / 25.4);
        CLayerWalk walk(page.prep.Layers());
        walk.pProgress = progress;
        bStopped = !DrawExportPicture(CLayerBuckets(doc.Primitives()), dc, page.prep.Extent(),
                                      page.prep.Viewport(), 0, walk);
    }
    return painter.end() ? std::string() : MSG_CANNOT_DRAW;
}

// False when the progress stopped it.
bool DrawPng(const CSchemoDoc& doc, QImage& image, const CPicturePrep& prep, bool bAntialias,
             IDrawProgress* progress) {
    CLayerWalk walk(prep.Layers());
    walk.pProgress = progress;
    const CLayerBuckets buckets(doc.Primitives());
    if (bAntialias) {
        QPainter painter(&image);
        CQtVectorSurface dc(painter, true, 1);
        return DrawExportPicture(buckets, dc, prep.Extent(), prep.Viewport(), 0, walk);
    }
    CQtSurface dc(image);
    return DrawExportPicture(buckets, dc, prep.Extent(), prep.Viewport(), 0, walk);
}

} // namespace

std::string MakePng(CSchemoDoc& doc, const CExportOptions& o, bool bAntialias, std::string& png,
                    IDrawProgress* progress) {
    png.clear();
    QImage one(1, 1, QImage::Format_RGB32);
    auto probe = std::make_unique<CQtSurface>(one);
    const CPicturePrep prep(doc, *probe, o);
    probe.reset();
    if (!prep.HasExtent()) return ExportMessage(EXPORT_NO_EXTENT);
    const CBitmapGeometry& g = prep.Geometry();
    if (g.nWidth <= 0 || g.nHeight <= 0 || g.nWidth > MAX_SIDE || g.nHeight > MAX_SIDE ||
        g.nWidth * g.nHeight * 4 > MAX_IMAGE_BYTES)
        return ExportMessage(EXPORT_BITMAP_ERROR);
    QImage image(int(g.nWidth), int(g.nHeight), QImage::Format_RGB32);
    if (image.isNull()) return ExportMessage(EXPORT_MEMORY_ERROR);
    image.fill(Qt::white);
    if (!DrawPng(doc, image, prep, bAntialias, progress)) return std::string();
    if (g.nPixelsPerMetre > 0) {
        image.setDotsPerMeterX(g.nPixelsPerMetre);
        image.setDotsPerMeterY(g.nPixelsPerMetre);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return ExportMessage(EXPORT_MEMORY_ERROR);
    png.assign(bytes.constData(), std::size_t(bytes.size()));
    return std::string();
}

std::string ExportPng(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                      bool bAntialias, IDrawProgress* progress) {
    std::string png;
    const std::string failure = MakePng(doc, o, bAntialias, png, progress);
    if (!failure.empty() || png.empty()) return failure; // refused, or stopped
    int nErrno = 0;
    return WriteFileSafely(path, png, &nErrno) ? std::string()
                                               : ExportMessage(EXPORT_WRITE_ERROR, nErrno);
}

namespace {
// Prepares the page, lets `draw` make its writer on an in-memory buffer and
// draw the picture, then stores the bytes safely.
template <class Draw>
std::string ExportVector(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                         Draw draw) {
    QPainter idle;
    auto probe = std::make_unique<CQtVectorSurface>(idle, true, 0);
    const CPicturePrep prep(doc, *probe, VectorViewport(o), o.layers);
    if (!prep.HasExtent()) return ExportMessage(EXPORT_NO_EXTENT);
    CVectorPage page{prep, QSize(), QSizeF()};
    const std::string failure = SizeVectorPage(o, *probe, page);
    probe.reset();
    if (!failure.empty()) return failure;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return MSG_CANNOT_DRAW;
    bool bStopped = false;
    const std::string drawn = draw(buffer, page, bStopped);
    if (bStopped) return std::string();
    return drawn.empty() ? StorePicture(path, bytes) : drawn;
}
} // namespace

std::string ExportSvg(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                      IDrawProgress* progress) {
    auto draw = [&doc, progress](QBuffer& buffer, const CVectorPage& page, bool& bStopped) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(page.device);
        svg.setViewBox(QRect(QPoint(0, 0), page.device));
        svg.setResolution(VECTOR_DPI);
        svg.setTitle(DecodeCp1252(doc.m_strTitle));
        svg.setDescription(QString::fromLatin1(kVersionLine));
        return DrawVector(doc, svg, page, progress, bStopped);
    };
    return ExportVector(doc, o, path, draw);
}

namespace {
// A length in points for a PDF: at most four decimals, no exponent.
QByteArray PdfNumber(double v) {
    QByteArray s = QByteArray::number(v, 'f', 4);
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.')) s.chop(1);
    return s;
}

// Qt writes a page in whole points only, so the page is made larger, rounded up,
// with the picture in its top-left corner, and its media box is then cut to the
// picture. PDF's y axis goes up: the box starts above the page's bottom. The box
// is rewritten in place and padded with blanks, so that no offset in the file
// moves. False, with the file untouched, when there is not exactly one box.
bool CutMediaBox(QByteArray& pdf, const QSizeF& whole, const QSizeF& exact) {
    const QByteArray key("/MediaBox [");
    const qsizetype at = pdf.indexOf(key);
    if (at < 0 || pdf.indexOf(key, at + 1) >= 0) return false;
    const qsizetype from = at + key.size(), end = pdf.indexOf(']', from);
    if (end < 0) return false;
    const QByteArray box = "0 " + PdfNumber(whole.height() - exact.height()) + ' ' +
                           PdfNumber(exact.width()) + ' ' + PdfNumber(whole.height());
    if (box.size() > end - from) return false;
    pdf.replace(from, end - from, box.leftJustified(end - from, ' '));
    return true;
}
} // namespace

std::string ExportPdf(CSchemoDoc& doc, const CExportOptions& o, const std::string& path,
                      IDrawProgress* progress) {
    auto draw = [&doc, progress](QBuffer& buffer, const CVectorPage& page, bool& bStopped) {
        const QSizeF exact = page.mm * 72 / 25.4;
        const QSizeF whole(std::ceil(exact.width() - 1e-6), std::ceil(exact.height() - 1e-6));
        {
            QPdfWriter pdf(&buffer);
            pdf.setResolution(VECTOR_DPI);
            pdf.setTitle(DecodeCp1252(doc.m_strTitle));
            pdf.setCreator(QString::fromLatin1(kVersionLine));
            const QPageSize size(whole, QPageSize::Point, QString(), QPageSize::ExactMatch);
            if (!pdf.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF())))
                return std::string(MSG_CANNOT_DRAW);
            const std::string failure = DrawVector(doc, pdf, page, progress, bStopped);
            if (!failure.empty()) return failure;
        }
        CutMediaBox(buffer.buffer(), whole, exact);
        return std::string();
    };
    return ExportVector(doc, o, path, draw);
}
