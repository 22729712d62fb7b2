#pragma once
#include "model/primitive.h"

// An ellipse or a polygon less than 10 units wide or high is picked anywhere
// in its box.
inline bool IsThinShape(std::int64_t width, std::int64_t height) {
    return width < 10 || height < 10;
}

// What rectangles, ellipses and polygons share: the "Filled" flag, shown as a
// property, and a class prototype that takes every shape whose flag is set.
class CFilledShape : public CPrimitive {
  public:
    int m_bFilled = 0;

    bool GetPropertyDescription(int nIndex, std::string& name, std::string& choices) const override;
    bool GetProperty(const char* name, std::string& value) const override;
    bool SetProperty(const char* name, const char* value) override;

    // Base fields and the class's own fields, from another shape of the same class.
    virtual void Assign(const CFilledShape& other);

  protected:
    virtual CFilledShape& Prototype() const = 0;
    // The brush for a figure: hollow for rubber bands and outlines.
    CBrush FillBrush(bool bXor, COLORREF crColor, COLORREF crSelected) const;
    // Draws and takes the raster operation and pen for one figure.
    template <class F>
    void WithPenAndBrush(CSurface& dc, bool bXor, COLORREF crColor, COLORREF crSelected,
                         F f) const {
        CRopScope rop(dc, bXor);
        CPenBrushScope pb(dc, SolidPen(PenColor(bXor, crColor, crSelected)),
                          FillBrush(bXor, crColor, crSelected));
        f();
    }
};
