#pragma once
// Hit region in logical units: a union of rectangles, ellipses and polygons.
// Point tests are exact in integer arithmetic: a unit cell (x, y) belongs to a
// shape when its centre (x + 0.5, y + 0.5) lies inside, so a rectangle region
// holds left <= x < right and top <= y < bottom, as on the screen.
#include "model/geometry.h"

#include <vector>

enum PolyFillMode { ALTERNATE = 1, WINDING = 2 };

class CRegion {
public:
    bool IsEmpty() const { return m_shapes.empty(); } // no handle: nothing to hit
    void Clear() {
        m_shapes.clear();
        m_box = CRect();
    }

    void SetRect(const CPoint& a, const CPoint& b);
    void SetEllipse(const CPoint& a, const CPoint& b);
    void SetPolygon(const CPoint* pts, int n, PolyFillMode mode);
    void Union(const CRegion& other); // RGN_OR into this region
    void Copy(const CRegion& other) {
        m_shapes = other.m_shapes;
        m_box = other.m_box;
    }

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

    std::vector<Shape> m_shapes;
    CRect m_box; // of every non-empty shape, kept here so a miss needs no shape

};
