#pragma once
#include "model/primitive.h"

// The filled dot that marks an electrical junction, two units across.
class CConnection final : public CPointPrimitive<1> {
  public:
    CConnection() = default;
    CConnection(int x, int y, bool bInMacro);

    const char* GetClassName() const override { return "CConnection"; }
    std::unique_ptr<CPrimitive> CreateEmpty() const override {
        return std::make_unique<CConnection>();
    }
    std::unique_ptr<CPrimitive> Clone() const override;
    void UpdateRegion(CSurface& dc) override;
    int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
             int nZoomPercent, int nLayerFilter, bool bMonochrome) override;
    CRect GetBounds() const override;
    int GetPointCount() const override { return 1; }
    static constexpr unsigned CAPABILITIES = CAP_ROTATE | CAP_MIRROR;
    unsigned GetCapabilities() const override { return CAPABILITIES; }
    bool GetTextLine(std::string& out, bool bExpand) const override;
};

static_assert(CConnection::CAPABILITIES == 0x21);
