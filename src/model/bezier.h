#pragma once
#include "model/primitive.h"

// One cubic Bezier curve: from point 0 to point 3, pulled by points 1 and 2.
class CBezier final : public CPointPrimitive<4> {
  public:
    CBezier() = default;
    CBezier(const CPoint pts[4], bool bInMacro);

    const char* GetClassName() const override { return "CBezier"; }
    std::unique_ptr<CPrimitive> CreateEmpty() const override { return std::make_unique<CBezier>(); }
    std::unique_ptr<CPrimitive> Clone() const override;
    void UpdateRegion(CSurface& dc) override;
    int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
             int nZoomPercent, int nLayerFilter, bool bMonochrome) override;
    int GetPointCount() const override { return 4; }
    static constexpr unsigned CAPABILITIES = CAP_ROTATE | CAP_ZOOM_REGION | CAP_MIRROR;
    unsigned GetCapabilities() const override { return CAPABILITIES; }
    bool GetTextLine(std::string& out, bool bExpand) const override;
};

static_assert(CBezier::CAPABILITIES == 0x29);
