#pragma once
#include "model/filledshape.h"

constexpr int MAX_VERTICES = 10;

// A closed polygon of up to ten vertices ("PV", "PP").
class CPoly final : public CPointPrimitive<MAX_VERTICES, CFilledShape> {
  public:
    CPoly() = default;
    // For the mouse tool: ten slots, the first three given, the fill from the prototype.
    CPoly(int x1, int y1, int x2, int y2, int x3, int y3, bool bInMacro);

    static CPoly& GetPrototype();

    int m_nVertices = 0;

    const char* GetClassName() const override { return "CPoly"; }
    std::unique_ptr<CPrimitive> CreateEmpty() const override { return std::make_unique<CPoly>(); }
    std::unique_ptr<CPrimitive> Clone() const override;
    void Assign(const CFilledShape& other) override;
    void UpdateRegion(CSurface& dc) override;
    int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
             int nZoomPercent, int nLayerFilter, bool bMonochrome) override;
    void SetPoint(int i, int x, int y, bool bFinal = false) override;
    int GetPointCount() const override;
    static constexpr unsigned CAPABILITIES = CAP_ROTATE | CAP_MIRROR;
    unsigned GetCapabilities() const override { return CAPABILITIES; }
    bool GetTextLine(std::string& out, bool bExpand) const override;

  protected:
    CFilledShape& Prototype() const override { return GetPrototype(); }

  private:
    void DrawRubberBand(CSurface& dc);
};

static_assert(CPoly::CAPABILITIES == 0x21);
