#pragma once
// Building blocks of an enhanced metafile: record type numbers, object and mode
// constants, and a little-endian record builder that pads to four bytes.
#include "model/geometry.h"

#include <cstdint>
#include <string>

namespace emf {

enum RecordType : std::uint32_t {
    kRecHeader = 1,
    kRecPolyBezier = 2,
    kRecPolygon = 3,
    kRecEof = 14,
    kRecSetPixelV = 15,
    kRecSetBkMode = 18,
    kRecSetPolyFillMode = 19,
    kRecSetRop2 = 20,
    kRecSetTextAlign = 22,
    kRecSetTextColor = 24,
    kRecSetBkColor = 25,
    kRecMoveToEx = 27,
    kRecSaveDc = 33,
    kRecRestoreDc = 34,
    kRecModifyWorldTransform = 36,
    kRecSelectObject = 37,
    kRecCreatePen = 38,
    kRecCreateBrushIndirect = 39,
    kRecDeleteObject = 40,
    kRecEllipse = 42,
    kRecRectangle = 43,
    kRecRoundRect = 44,
    kRecArc = 45,
    kRecLineTo = 54,
    kRecExtCreateFontIndirectW = 82,
    kRecExtTextOutW = 84,
    kRecPolyBezier16 = 85,
    kRecPolygon16 = 86,
    kRecExtCreatePen = 95,
};

constexpr std::uint32_t kSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t kVersion = 0x00010000;
constexpr std::uint32_t kHeaderFixedSize = 108; // with the pixel format and micrometre fields
constexpr std::uint32_t kEofSize = 20;

// Stock objects are named by index with the top bit set.
constexpr std::uint32_t kStockNullBrush = 0x80000005;
constexpr std::uint32_t kStockNullPen = 0x80000008;
inline bool IsStock(std::uint32_t h) {
    return (h & 0x80000000u) != 0;
}

constexpr std::uint32_t kPenSolid = 0;
constexpr std::uint32_t kPenGeometric = 0x00010000;
constexpr std::uint32_t kPenEndCapRound = 0;
constexpr std::uint32_t kPenJoinRound = 0;
constexpr std::uint32_t kBrushSolid = 0;

constexpr std::uint32_t kGraphicsCompatible = 1;
constexpr std::uint32_t kGraphicsAdvanced = 2;
constexpr std::uint32_t kTransformIdentity = 1;
constexpr std::uint32_t kTransformLeftMultiply = 2;
constexpr std::uint32_t kAlignTopLeft = 0;

// Font creation: ANSI character set, TrueType output, clipping that follows the
// escapement and always uses TrueType, default quality, fixed pitch modern family.
constexpr std::uint8_t kCharsetAnsi = 0;
constexpr std::uint8_t kOutTrueType = 4;
constexpr std::uint8_t kClipAnglesTrueType = 48;
constexpr std::uint8_t kQualityDefault = 0;
constexpr std::uint8_t kFixedPitchModern = 0x31;
constexpr std::size_t kFaceUnits = 32;

// The reference device the frame is measured on: a 96 DPI screen.
constexpr std::int32_t kDevicePixelsX = 1920, kDevicePixelsY = 1080;
constexpr std::int32_t kDeviceMillimetresX = 508, kDeviceMillimetresY = 286;

class CRecord {
  public:
    explicit CRecord(std::uint32_t type);
    CRecord& U32(std::uint32_t v);
    CRecord& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    CRecord& U16(std::uint16_t v);
    CRecord& U8(std::uint8_t v);
    CRecord& F32(float v);
    CRecord& Point(CPoint p) { return I32(p.x).I32(p.y); }
    CRecord& Rect(const CRect& r) { return I32(r.left).I32(r.top).I32(r.right).I32(r.bottom); }
    // UTF-16LE code units, then zero padding to the next four-byte boundary.
    CRecord& Text(const std::u16string& s);
    CRecord& Zeros(std::size_t n);
    std::size_t Size() const { return m_data.size(); }
    // The record with its size filled in, padded to a multiple of four.
    std::string Bytes();

  private:
    std::string m_data;
};

} // namespace emf
