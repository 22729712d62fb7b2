#include "qtlayer/qt_diff_picture.h"

#include "doc/export/export_bitmap.h"
#include "qtlayer/qt_export.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_surface.h"
#include "qtlayer/qt_vector_surface.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {
constexpr int LEGEND_H = 28, LABEL_H = 22;

struct CLayout {
    int nWidth, nRowH, nHeight;
};

CLayout Layout(const std::vector<CDiffRow>& rows, const CDiffPictureOptions& o) {
    const bool bSingle = rows.size() == 1 && rows[0].label.empty();
    const int rowH = bSingle ? o.nHeight - LEGEND_H : std::max(LABEL_H + 20, o.nHeight / 3);
    return {o.nWidth, rowH, LEGEND_H + rowH * int(std::max<std::size_t>(rows.size(), 1))};
}

// Where row i's picture goes, below the legend and the row's own label.
QRect RowPicture(const std::vector<CDiffRow>& rows, std::size_t i, const CLayout& l) {
    const int label = rows[i].label.empty() ? 0 : LABEL_H;
    return QRect(0, LEGEND_H + int(i) * l.nRowH + label, l.nWidth, l.nRowH - label);
}

// On a surface whose device origin is the row's top-left corner.
void DrawRow(CSurface& dc, const CDiffRow& r, const CDiffPictureOptions& o, const QSize& size) {
    SetDiffMapping(dc, DiffArea(*r.pOld, *r.pNew, *r.pDiff, o.nContext), 0, 0, size.width(),
                   size.height());
    DrawDrawingDiff(dc, *r.pOld, *r.pNew, *r.pDiff, o.layers);
}

void DrawTexts(QPainter& p, const std::vector<CDiffRow>& rows, const std::string& legend,
               const CLayout& l) {
    p.setPen(Qt::black);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    p.setFont(font);
    p.drawText(QRect(8, 0, l.nWidth - 16, LEGEND_H), Qt::AlignVCenter, DecodeCp1252(legend));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = LEGEND_H + int(i) * l.nRowH;
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawLine(0, top, l.nWidth, top);
        p.setPen(Qt::black);
        if (!rows[i].label.empty())
            p.drawText(QRect(8, top, l.nWidth - 16, LABEL_H), Qt::AlignVCenter,
                       DecodeCp1252(rows[i].label));
    }
}

// Vector pictures: the same pixels as the PNG, one device unit each.
std::string DrawVector(QPaintDevice& device, const std::vector<CDiffRow>& rows,
                       const std::string& legend, const CDiffPictureOptions& o, const CLayout& l) {
    QPainter p;
    if (!p.begin(&device)) return MSG_CANNOT_DRAW;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRect at = RowPicture(rows, i, l);
        p.save();
        p.setClipRect(at);
        p.translate(at.topLeft());
        {
            CQtVectorSurface dc(p, false, 1);
            DrawRow(dc, rows[i], o, at.size());
        }
        p.restore();
    }
    DrawTexts(p, rows, legend, l);
    return p.end() ? std::string() : MSG_CANNOT_DRAW;
}

std::string VectorBytes(PictureFormat format, QBuffer& buffer, const std::vector<CDiffRow>& rows,
                        const std::string& legend, const CDiffPictureOptions& o, const CLayout& l) {
    if (format == PICTURE_SVG) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(l.nWidth, l.nHeight));
        svg.setViewBox(QRect(0, 0, l.nWidth, l.nHeight));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Tavolin"));
        return DrawVector(svg, rows, legend, o, l);
    }
    QPdfWriter pdf(&buffer);
    pdf.setResolution(96);
    pdf.setTitle(QStringLiteral("Tavolin"));
    pdf.setPageLayout(
        QPageLayout(QPageSize(QSizeF(l.nWidth * 0.75, l.nHeight * 0.75), QPageSize::Point),
                    QPageLayout::Portrait, QMarginsF()));
    return DrawVector(pdf, rows, legend, o, l);
}
} // namespace

bool IsDiffPictureFormat(PictureFormat format) {
    return format == PICTURE_PNG || format == PICTURE_SVG || format == PICTURE_PDF;
}

QImage DiffImage(const std::vector<CDiffRow>& rows, const std::string& legend,
                 const CDiffPictureOptions& o) {
    const CLayout l = Layout(rows, o);
    QImage image(l.nWidth, l.nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    // Each row on its own image, so that nothing spills into its neighbours.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRect at = RowPicture(rows, i, l);
        QImage row(at.size(), QImage::Format_RGB32);
        row.fill(Qt::white);
        {
            CQtSurface dc(row);
            DrawRow(dc, rows[i], o, at.size());
        }
        p.drawImage(at.topLeft(), row);
    }
    DrawTexts(p, rows, legend, l);
    return image;
}

std::string ExportDiffPicture(const std::vector<CDiffRow>& rows, const std::string& legend,
                              const CDiffPictureOptions& o, const std::string& path,
                              unsigned nNewMode) {
    const PictureFormat format = PictureFormatOf(path);
    if (!IsDiffPictureFormat(format)) return MSG_CANNOT_DRAW;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return MSG_CANNOT_DRAW;
    if (format == PICTURE_PNG) {
        if (!DiffImage(rows, legend, o).save(&buffer, "PNG"))
            return ExportMessage(EXPORT_MEMORY_ERROR);
    } else {
        const std::string failure = VectorBytes(format, buffer, rows, legend, o, Layout(rows, o));
        if (!failure.empty()) return failure;
    }
    return StorePicture(path, bytes, nNewMode);
}
