#pragma once
// The abstract base of every drawing object.
#include "model/geometry.h"
#include "model/region.h"
#include "model/surface.h"

#include <memory>
#include <string>
#include <vector>

enum PrimitiveCaps : unsigned {
    CAP_ROTATE = 0x01,
    CAP_ROTATE_ALT = 0x02, // tested with CAP_ROTATE; no class sets it
    CAP_TEXT = 0x04,
    CAP_ZOOM_REGION = 0x08,
    CAP_MACRO = 0x10,
    CAP_MIRROR = 0x20,
    CAP_MIRROR_ALT = 0x40, // tested with CAP_MIRROR; no class sets it
    CAP_LINE = 0x80,
    CAP_TEXT_EDIT = 0x100,
};
// Rotate and Mirror act when a class has either bit of their pair.
constexpr unsigned CAP_ROTATE_ANY = CAP_ROTATE | CAP_ROTATE_ALT;
constexpr unsigned CAP_MIRROR_ANY = CAP_MIRROR | CAP_MIRROR_ALT;

enum HitResult { HIT_INSIDE = -1, HIT_MISS = -2 };

// A click picks a point within this many device pixels on each axis, and a
// thin figure through a band about this many pixels across.
constexpr int PICK_POINT_PIXELS = 5;
constexpr int PICK_BAND_PIXELS = 10;

constexpr int LAYER_COUNT = 16;

struct CLayerTable;

// Where a class keeps its points and their saved copies, nSlots of each.
struct CPointSlots {
    CPoint* pPoints;
    CPoint* pSaved;
    int nSlots;
};
struct CConstPointSlots {
    const CPoint* pPoints;
    const CPoint* pSaved;
    int nSlots;
};

// What a selected primitive is drawn in, wherever selection shows.
constexpr COLORREF SELECTION_COLOR = RGB(255, 0, 0);

class CPrimitive {
  public:
    CPrimitive() = default;
    virtual ~CPrimitive() = default;
    CPrimitive(const CPrimitive&) = delete;
    CPrimitive& operator=(const CPrimitive&) = delete;

    // Class identity: the name of the concrete class and a new empty object of it.
    virtual const char* GetClassName() const = 0;
    virtual std::unique_ptr<CPrimitive> CreateEmpty() const = 0;

    virtual void Move(int dx, int dy);
    virtual void Rotate(int cx, int cy, bool bCounterClockwise);
    virtual void Mirror(int x0);
    virtual void UpdateRegion(CSurface& dc);
    virtual std::unique_ptr<CPrimitive> Clone() const = 0;
    virtual bool CopyFrom(const CPrimitive* other);
    virtual int HitTest(int x, int y, CSurface& dc);
    virtual bool IsComplete() const;
    virtual void SaveState();
    virtual void RestoreState();
    virtual CPoint GetPoint(int i) const;
    virtual void SetPoint(int i, int x, int y, bool bFinal = false);
    virtual void SetSelected(bool b) { m_bSelected = b; }
    virtual bool IsSelected() const { return m_bSelected; }
    virtual CRegion* GetRegion() { return &m_rgn; }
    virtual void SetInMacro(bool b) { m_bInMacro = b; }
    virtual bool IsInMacro() const { return m_bInMacro; }
    virtual int GetDrawPriority() const { return 3; }
    virtual bool GetPropertyDescription(int nIndex, std::string& name, std::string& choices) const;
    virtual bool GetProperty(const char* name, std::string& value) const;
    virtual bool SetProperty(const char* name, const char* value);
    virtual int Draw(CSurface& dc, bool bXor, COLORREF crBack, COLORREF crColor,
                     COLORREF crSelected, int nZoomPercent, int nLayerFilter, bool bMonochrome);
    // Drawing within a layer table: a macro takes from it the layers shown and
    // its components' colours; every other class draws as Draw does.
    virtual int DrawInLayers(CSurface& dc, const CLayerTable& layers, bool bXor, COLORREF crBack,
                             COLORREF crColor, COLORREF crSelected, int nZoomPercent,
                             int nLayerFilter, bool bMonochrome);
    virtual int GetPointCount() const { return 0; }
    virtual unsigned GetCapabilities() const { return 0; }
    virtual bool GetTextLine(std::string& out, bool bExpand) const;
    virtual int SetLayer(int nLayer);
    virtual int GetLayer() const { return m_nLayer; }

    // A box in logical units (edges included) that holds everything the
    // primitive draws or can be hit on at any zoom, apart from a margin of
    // GetBoundsSlack() device pixels for figures that keep a size on the screen
    // (one-pixel pens, texts at their smallest). Empty when no point is set.
    virtual CRect GetBounds() const;
    virtual int GetBoundsSlack() const { return 1; }

    // The reader stores the layer exactly as read, with no range check.
    void SetLayerUnchecked(int nLayer) { m_nLayer = nLayer; }

    // The points live in the concrete class (CPointPrimitive below), as many as
    // it can use; the small fields are packed after the region.
    CRegion m_rgn;
    std::uint32_t m_nRegionKey = 0; // the mapping m_rgn was built for; 0 = none
    int m_nLayer = 0;
    int m_nOrientation = 0;
    int m_bMirrored = 0;
    int m_nSavedOrientation = 0;
    int m_bSavedMirrored = 0;
    bool m_bSelected = false;
    bool m_bInMacro = false;

  protected:
    virtual CPointSlots GetPointSlots() = 0;
    virtual CConstPointSlots GetPointSlots() const = 0;
    // The points the shared operations act on: GetPointCount, within the slots.
    int UsedPointCount() const;

    // Colour of a figure: the selection colour unless drawn as a rubber band.
    COLORREF PenColor(bool bXor, COLORREF crColor, COLORREF crSelected) const {
        return (m_bSelected && !bXor) ? crSelected : crColor;
    }
    // " %d\r\n" with the layer when it is not 0, else "\r\n".
    std::string LayerEnding() const;
};

// A primitive holding N points and their N saved copies, all unset at first.
// A class with a shared base of its own (the filled shapes) passes it as TBase.
template <int N, class TBase = CPrimitive> class CPointPrimitive : public TBase {
  public:
    static constexpr int POINT_SLOTS = N;
    CPoint m_points[N];
    CPoint m_savedPoints[N];

  protected:
    CPointSlots GetPointSlots() override { return {m_points, m_savedPoints, N}; }
    CConstPointSlots GetPointSlots() const override { return {m_points, m_savedPoints, N}; }
};

using CPrimitiveList = std::vector<std::unique_ptr<CPrimitive>>;
// The list's primitives, in its order.
std::vector<CPrimitive*> Pointers(const CPrimitiveList& list);

// A band about widthPixels device pixels across along the segment (x1, y1)-(x2, y2).
void MakeLineRegion(CSurface& dc, CRegion& rgn, int x1, int y1, int x2, int y2, int widthPixels);

// Every non-overlapping occurrence of `find` in `s`, from the left, replaced.
void ReplaceAll(std::string& s, const std::string& find, const std::string& replacement);

// The platform's decimal conversion: leading blanks, a sign, leading digits; 0
// when there are none. Saturates instead of overflowing.
int ParseDecimal(const char* s);

// Sets the raster operation for a figure and puts the previous one back when done.
class CRopScope {
  public:
    CRopScope(CSurface& dc, bool bXor)
        : m_dc(dc), m_nOld(dc.SetROP2(bXor ? R2_NOTXORPEN : R2_COPYPEN)) {}
    ~CRopScope() { m_dc.SetROP2(m_nOld); }

  private:
    CSurface& m_dc;
    int m_nOld;
};

// Selects a pen and a brush and restores the previous ones when done.
class CPenBrushScope {
  public:
    CPenBrushScope(CSurface& dc, const CPen& pen, const CBrush& brush)
        : m_dc(dc), m_oldPen(dc.SelectPen(pen)), m_oldBrush(dc.SelectBrush(brush)) {}
    ~CPenBrushScope() {
        m_dc.SelectPen(m_oldPen);
        m_dc.SelectBrush(m_oldBrush);
    }

  private:
    CSurface& m_dc;
    CPen m_oldPen;
    CBrush m_oldBrush;
};

inline CPen SolidPen(COLORREF c) {
    return CPen{c, 0, false, false};
}
inline CBrush SolidBrush(COLORREF c) {
    return CBrush{false, c};
}
inline CBrush HollowBrush() {
    return CBrush{};
}
