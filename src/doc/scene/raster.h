#pragma once
// A white raster image that the export draws on through the surface interface,
// one band of rows at a time. The platform layer provides it.
#include "model/surface.h"

#include <cstdint>
#include <functional>
#include <memory>

class IRasterBand {
  public:
    virtual ~IRasterBand() = default;
    // The surface over the band; its mapping starts as the identity.
    virtual CSurface& Surface() = 0;
    // Row y of the band as 1-bit pixels, most significant bit first, set = light.
    virtual void ReadMonoRow(int y, std::uint8_t* bits) const = 0;
    // White again, for the next band; the surface and its fonts are kept.
    virtual void Clear() = 0;
};

// Makes a white band of w x h pixels; null when it cannot be had.
using RasterBandFactory = std::function<std::unique_ptr<IRasterBand>(int w, int h)>;
