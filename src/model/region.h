#pragma once
// Hit region in logical units: a union of rectangles, ellipses and polygons.
// Point tests are exact in integer arithmetic: a unit cell (x, y) belongs to a
// shape when its centre (x + 0.5, y + 0.5) lies inside, so a rectangle region
// holds left <= x < right and top <= y < bottom, as on the screen.
#include "model/geometry.h"

#include <cstdint>
#include <memory>
#include <vector>

enum PolyFillMode { ALTERNATE = 1, WINDING = 2 };

// Every primitive holds one, mostly empty or of one shape, so it is kept to a
// pointer, a count and the box: 32 bytes.
class CRegion {
  public:
    CRegion() = default;
    CRegion(const CRegion& other) { Copy(other); }
    CRegion(CRegion&& other) noexcept { Swap(other); }
    CRegion& operator=(const CRegion& other) {
        if (this != &other) Copy(other);
        return *this;
    }
    CRegion& operator=(CRegion&& other) noexcept {
        CRegion old(std::move(*this));
        Swap(other);
        return *this;
    }

    bool IsEmpty() const { return m_nShapes == 0; } // no handle: nothing to hit
    void Clear();   // keeps the room for the shapes, to be built again
    void Release(); // gives the room back too

    void SetRect(const CPoint& a, const CPoint& b);
    void SetEllipse(const CPoint& a, const CPoint& b);
    void SetPolygon(const CPoint* pts, int n, PolyFillMode mode);
    void Union(const CRegion& other); // RGN_OR into this region
    void Copy(const CRegion& other);

    bool PtInRegion(int x, int y) const;
    // Bounding box of every shape; an empty rectangle when the region is empty.
    CRect GetRgnBox() const { return m_box; }

  private:
    enum Kind { KIND_RECT, KIND_ELLIPSE, KIND_POLYGON };
    struct Shape {
        Kind kind;
        CRect box;                  // normalised, right/bottom exclusive
        std::vector<CPoint> points; // polygon vertices
        PolyFillMode mode = ALTERNATE;
    };
    static bool InShape(const Shape& s, int x, int y);
    static bool InEllipse(const CRect& b, int x, int y);
    static bool InPolygon(const Shape& s, int x, int y);

    void Add(Shape shape);
    void Reserve(std::uint32_t n);
    void Swap(CRegion& other) noexcept;

    std::unique_ptr<Shape[]> m_pShapes;
    std::uint32_t m_nShapes = 0;
    std::uint32_t m_nRoom = 0;
    CRect m_box; // of every non-empty shape, kept here so a miss needs no shape
};
