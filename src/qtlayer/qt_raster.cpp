#include "qtlayer/qt_raster.h"

#include <cstring>

CQtRasterBand::CQtRasterBand(int w, int h) : m_image(w, h, QImage::Format_RGB32) {
    if (m_image.isNull()) return;
    m_image.fill(Qt::white);
    m_pSurface = std::make_unique<CQtSurface>(m_image);
}

// A pixel is light, and its bit set, when it is nearer white than black.
void CQtRasterBand::ReadMonoRow(int y, std::uint8_t* bits) const {
    const int w = m_image.width();
    std::memset(bits, 0, std::size_t((w + 15) / 16 * 2));
    const auto* row = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
    for (int x = 0; x < w; ++x)
        if (qGray(row[x]) >= 128) bits[x >> 3] |= std::uint8_t(0x80 >> (x & 7));
}

std::unique_ptr<IRasterBand> MakeQtRasterBand(int w, int h) {
    if (w <= 0 || h <= 0) return nullptr;
    auto band = std::make_unique<CQtRasterBand>(w, h);
    if (!band->IsValid()) return nullptr;
    return band;
}
