#pragma once
#include "model/primitive.h"

// A copper track: a straight segment of a given thickness ("PL").
class CPCBLine final : public CPointPrimitive<2> {
  public:
    CPCBLine() = default;
    CPCBLine(int x1, int y1, int x2, int y2, bool bInMacro); // starts from the prototype

    static CPCBLine& GetPrototype();

    int m_nThickness = 2;

    const char* GetClassName() const override { return "CPCBLine"; }
    std::unique_ptr<CPrimitive> CreateEmpty() const override {
        return std::make_unique<CPCBLine>();
    }
    std::unique_ptr<CPrimitive> Clone() const override;
    bool IsComplete() const override;
    void UpdateRegion(CSurface& dc) override;
    int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
             int nZoomPercent, int nLayerFilter, bool bMonochrome) override;
    CRect GetBounds() const override;
    int GetPointCount() const override { return 2; }
    static constexpr unsigned CAPABILITIES = CAP_ROTATE | CAP_ZOOM_REGION | CAP_MIRROR | CAP_LINE;
    unsigned GetCapabilities() const override { return CAPABILITIES; }
    bool GetTextLine(std::string& out, bool bExpand) const override;
    bool GetPropertyDescription(int nIndex, std::string& name, std::string& choices) const override;
    bool GetProperty(const char* name, std::string& value) const override;
    bool SetProperty(const char* name, const char* value) override;
};

static_assert(CPCBLine::CAPABILITIES == 0xA9);
