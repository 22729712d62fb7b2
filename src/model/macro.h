#pragma once
#include "model/primitive.h"

// A placed symbol: a library component's primitives, owned and kept in drawing
// coordinates, placed at an origin with quarter turns (m_nOrientation) and an
// optional mirror (m_bMirrored). Written as one "MC" line or as its components.
class CMacro final : public CPointPrimitive<1> {
  public:
    CMacro() = default;
    CMacro(int x, int y); // a macro group made from a selection

    CPrimitiveList m_components;
    std::string m_strName; // "~" and a key, "library.key", a macro file's name, or empty

    CPrimitiveList& GetComponents() { return m_components; }
    void Assign(const CMacro& other);
    // Brings freshly resolved components from library coordinates, around
    // (100, 100), to the origin, the orientation and the mirror.
    void PlaceComponents();

    const char* GetClassName() const override { return "CMacro"; }
    std::unique_ptr<CPrimitive> CreateEmpty() const override { return std::make_unique<CMacro>(); }
    std::unique_ptr<CPrimitive> Clone() const override;
    void Move(int dx, int dy) override;
    void Rotate(int cx, int cy, bool bCounterClockwise) override;
    void Mirror(int x0) override;
    void SetPoint(int i, int x, int y, bool bFinal = false) override;
    void SetSelected(bool b) override;
    void SaveState() override;
    void RestoreState() override;
    void UpdateRegion(CSurface& dc) override;
    // Without a layer table: every layer shown, each in its start-up colour.
    int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor, COLORREF crSelected,
             int nZoomPercent, int nLayerFilter, bool bMonochrome) override;
    CRect GetBounds() const override;
    int GetBoundsSlack() const override;
    // The layers `layers` shows (or only nLayerFilter when it is 0..15), each
    // component in its layer's colour there; crColor is not used.
    int DrawInLayers(CSurface& dc, const CLayerTable& layers, bool bXor, COLORREF crBack,
                     COLORREF crColor, COLORREF crSelected, int nZoomPercent, int nLayerFilter,
                     bool bMonochrome) override;
    int GetPointCount() const override { return 1; }
    static constexpr unsigned CAPABILITIES = CAP_ROTATE | CAP_ZOOM_REGION | CAP_MACRO | CAP_MIRROR;
    unsigned GetCapabilities() const override { return CAPABILITIES; }
    int GetDrawPriority() const override { return 4; }
    bool GetTextLine(std::string& out, bool bExpand) const override;
    bool GetPropertyDescription(int nIndex, std::string& name, std::string& choices) const override;
    bool GetProperty(const char* name, std::string& value) const override;
    bool SetProperty(const char* name, const char* value) override;
    int SetLayer(int) override { return 0; } // a macro stays on layer 0

  private:
    void DrawLayer(CSurface& dc, const CLayerTable& layers, int nLayer, bool bXor, COLORREF crBack,
                   COLORREF crSelected, int nZoomPercent, bool bMonochrome);
};

// Bit L is set when some component, nested ones included, lies on layer L (0..15).
unsigned LayerMask(const CMacro& macro);

// The primitives a macro holds, its nested macros' counted all the way down.
std::size_t CountPrimitives(const CMacro& macro);

// Whether a macro name names a standard-library component ("~" and a key).
inline bool IsStandardMacroName(const std::string& name) {
    return !name.empty() && name[0] == '~';
}

static_assert(CMacro::CAPABILITIES == 0x39);
