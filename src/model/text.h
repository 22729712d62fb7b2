#pragma once
#include "model/primitive.h"

#include <cstdint>

enum TextStyle : std::uint32_t {
    STYLE_BOLD = 1,
    STYLE_ITALIC = 2,
    STYLE_MIRRORED = 4,
    STYLE_UNDERLINED = 8,
};

// One line of text at an anchor (the upper-left corner before rotation), in a
// named font with its own height, width, angle and style.
class CExtendedText final : public CPointPrimitive<1> {
  public:
    CExtendedText() = default;
    CExtendedText(int x, int y, const std::string& text); // starts from the prototype

    static CExtendedText& GetPrototype();

    CFontSpec m_font; // the font for the last zoom asked for
    std::string m_strText;
    std::string m_strFont; // "*" names no face
    int m_nHeight = 0;
    int m_nWidth = 0;
    std::uint32_t m_nStyle = 0;
    int m_nAngle = 0; // degrees, counter-clockwise on the screen

    void Assign(const CExtendedText& other);
    void RebuildFont(int nZoom);
    // The four corners of the text box on the surface, for a measured extent.
    void GetTextBox(CPoint corners[4], CSize size, int nZoom, bool bNoMirror) const;

    const char* GetClassName() const override { return "CExtendedText"; }
    std::unique_ptr<CPrimitive> CreateEmpty() const override {
        return std::make_unique<CExtendedText>();
    }
    std::unique_ptr<CPrimitive> Clone() const override;
    void Rotate(int cx, int cy, bool bCounterClockwise) override;
    void Mirror(int x0) override;
    void UpdateRegion(CSurface& dc) override;
    int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
             int nZoomPercent, int nLayerFilter, bool bMonochrome) override;
    CRect GetBounds() const override;
    int GetBoundsSlack() const override;
    int GetPointCount() const override { return 1; }
    static constexpr unsigned CAPABILITIES =
        CAP_ROTATE | CAP_TEXT | CAP_ZOOM_REGION | CAP_MIRROR | CAP_TEXT_EDIT;
    unsigned GetCapabilities() const override { return CAPABILITIES; }
    bool GetTextLine(std::string& out, bool bExpand) const override;
    bool GetPropertyDescription(int nIndex, std::string& name, std::string& choices) const override;
    bool GetProperty(const char* name, std::string& value) const override;
    bool SetProperty(const char* name, const char* value) override;

  private:
    CSize MeasureText(CSurface& dc) const;
    void DrawText(CSurface& dc, COLORREF color, int nZoomPercent);
};

static_assert(CExtendedText::CAPABILITIES == 0x12D);
