#pragma once
// Raster bands for the bitmap export: a white RGB image with our surface on it.
#include "doc/scene/raster.h"
#include "qtlayer/qt_surface.h"

#include <QImage>

class CQtRasterBand final : public IRasterBand {
  public:
    CQtRasterBand(int w, int h);
    CSurface& Surface() override { return *m_pSurface; }
    void ReadMonoRow(int y, std::uint8_t* bits) const override;
    void Clear() override { m_image.fill(Qt::white); }
    bool IsValid() const { return !m_image.isNull(); }

  private:
    QImage m_image;
    std::unique_ptr<CQtSurface> m_pSurface;
};

// Makes Qt raster bands; null when the image cannot be allocated.
std::unique_ptr<IRasterBand> MakeQtRasterBand(int w, int h);
