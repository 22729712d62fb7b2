#pragma once
#include "model/primitive.h"

enum PadStyle { PAD_ROUND = 0, PAD_SQUARE = 1, PAD_ROUNDED = 2 };

// A pad with a drill hole: round, square or square with rounded corners ("PA").
class CPCBPad final : public CPointPrimitive<1> {
  public:
    CPCBPad() = default;
    CPCBPad(int x, int y, bool bInMacro); // starts from the prototype

    static CPCBPad& GetPrototype();

    int m_nSizeX = 9;
    int m_nSizeY = 9;
    int m_nHole = 3;
    int m_nPadStyle = PAD_ROUND;

    const char* GetClassName() const override { return "CPCBPad"; }
    std::unique_ptr<CPrimitive> CreateEmpty() const override { return std::make_unique<CPCBPad>(); }
    std::unique_ptr<CPrimitive> Clone() const override;
    bool IsComplete() const override;
    void Rotate(int cx, int cy, bool bCounterClockwise) override;
    void UpdateRegion(CSurface& dc) override;
    int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
             int nZoomPercent, int nLayerFilter, bool bMonochrome) override;
    CRect GetBounds() const override;
    int GetPointCount() const override { return 1; }
    static constexpr unsigned CAPABILITIES = CAP_ROTATE | CAP_ZOOM_REGION | CAP_MIRROR;
    unsigned GetCapabilities() const override { return CAPABILITIES; }
    int GetDrawPriority() const override { return 5; }
    bool GetTextLine(std::string& out, bool bExpand) const override;
    bool GetPropertyDescription(int nIndex, std::string& name, std::string& choices) const override;
    bool GetProperty(const char* name, std::string& value) const override;
    bool SetProperty(const char* name, const char* value) override;

  private:
    void CopyPadFields(const CPCBPad& other);
};

static_assert(CPCBPad::CAPABILITIES == 0x29);
