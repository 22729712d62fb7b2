#pragma once
#include "model/primitive.h"

// A straight segment between two points: wires and outlines.
class CLine final : public CPointPrimitive<2> {
  public:
    CLine() = default;
    CLine(int x1, int y1, int x2, int y2, bool bInMacro);

    const char* GetClassName() const override { return "CLine"; }
    std::unique_ptr<CPrimitive> CreateEmpty() const override { return std::make_unique<CLine>(); }
    std::unique_ptr<CPrimitive> Clone() const override;
    void UpdateRegion(CSurface& dc) override;
    int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
             int nZoomPercent, int nLayerFilter, bool bMonochrome) override;
    int GetPointCount() const override { return 2; }
    static constexpr unsigned CAPABILITIES = CAP_ROTATE | CAP_ZOOM_REGION | CAP_MIRROR | CAP_LINE;
    unsigned GetCapabilities() const override { return CAPABILITIES; }
    bool GetTextLine(std::string& out, bool bExpand) const override;
};

// Wires are most of a drawing; a million of them must stay near 100 MB.
static_assert(sizeof(CLine) <= 112, "a line has grown");

static_assert(CLine::CAPABILITIES == 0xA9);
