#pragma once
#include "model/filledshape.h"

// An axis-parallel rectangle given by two opposite corners ("RV", "RP").
class CRectangle final : public CPointPrimitive<2, CFilledShape> {
  public:
    CRectangle() = default;
    CRectangle(int x1, int y1, int x2, int y2, bool bInMacro); // starts from the prototype

    static CRectangle& GetPrototype();

    const char* GetClassName() const override { return "CRectangle"; }
    std::unique_ptr<CPrimitive> CreateEmpty() const override {
        return std::make_unique<CRectangle>();
    }
    std::unique_ptr<CPrimitive> Clone() const override;
    void UpdateRegion(CSurface& dc) override;
    int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
             int nZoomPercent, int nLayerFilter, bool bMonochrome) override;
    int GetPointCount() const override { return 2; }
    static constexpr unsigned CAPABILITIES = CAP_ROTATE | CAP_ZOOM_REGION | CAP_MIRROR;
    unsigned GetCapabilities() const override { return CAPABILITIES; }
    bool GetTextLine(std::string& out, bool bExpand) const override;

  protected:
    CFilledShape& Prototype() const override { return GetPrototype(); }
};

static_assert(CRectangle::CAPABILITIES == 0x29);
