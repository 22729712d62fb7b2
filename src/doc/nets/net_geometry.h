#pragma once
// Copper as exact figures in drawing units: a point, a segment or a filled
// polygon, grown on every side by a radius with round corners. A track is its
// segment grown by half its thickness, a round pad its centre grown by its
// radius, a square pad its square; distances between them are exact.
#include <vector>

class CPrimitive;

struct CVec {
    double x = 0, y = 0;
};

struct CCopperShape {
    std::vector<CVec> pts; // 1: a point, 2: a segment, 3 or more: a filled polygon
    double r = 0;
    double l = 0, t = 0, rt = 0, b = 0; // the box of the grown figure
    void Finish();                      // computes the box
};

// The least distance between two figures and where it is measured (0 when
// they touch or overlap; the points then lie where they meet).
struct CNearest {
    double d = 0;
    CVec a, b;
};

CNearest PointSegment(CVec p, CVec a, CVec b);
CNearest SegmentSegment(CVec a, CVec b, CVec c, CVec d);
// Even-odd: the polygon closes from its last vertex back to the first.
bool PointInPolygon(CVec p, const std::vector<CVec>& poly);
// Between the grown figures: the distance of the cores less both radii, not below 0.
CNearest ShapeDistance(const CCopperShape& s, const CCopperShape& o);
// Whether they touch or overlap: ShapeDistance(s, o).d == 0, found sooner.
bool ShapesTouch(const CCopperShape& s, const CCopperShape& o);

// The copper a primitive lays on its layer: tracks, pads, filled rectangles,
// ellipses and polygons, dots; false for anything else.
bool CopperShape(const CPrimitive& p, CCopperShape& out);

// The path a primitive draws as a board's outline: a line's or track's
// centre, a curve, the edges of a rectangle, ellipse or polygon (closed,
// filled or not); false for anything else.
bool OutlinePath(const CPrimitive& p, std::vector<CVec>& pts, bool& bClosed);
