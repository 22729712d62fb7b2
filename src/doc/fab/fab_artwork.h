#pragma once
// Primitives as Gerber figures, at their nominal sizes: tracks and strokes are
// draws of a circular aperture, filled shapes regions, pads flashes.
#include "doc/fab/gerber_file.h"
#include "doc/scene/layer_walk.h"

#include <functional>
#include <map>

class CPCBPad;
class IGlyphOutlines;

// A pad as it is flashed: its copper, its mask opening and its hole.
struct CFabPad {
    CFabPoint at;
    CAperture copper, mask;
    std::int64_t nHole = 0;
};

class CArtworkWriter {
  public:
    CArtworkWriter(const CFabScale& scale, std::int64_t nStroke, std::int64_t nMaskExpansion,
                   IGlyphOutlines& glyphs);

    // Draws p into `out`; strFunction is the attribute of its copper, empty
    // off copper. A profile is only stroked: filled shapes give their edges.
    void Emit(const CPrimitive& p, CGerberFile& out, const std::string& strFunction,
              bool bProfile = false);
    CFabPad Pad(const CPCBPad& pad) const;

    // Whether every open path drawn as a profile meets others at both ends.
    bool ProfileClosed() const;

  private:
    struct CShape {
        std::vector<CFabPoint> pts;
        bool bClosed = false, bFilled = false;
    };
    bool ShapePoints(const CPrimitive& p, CShape& shape) const;
    void Path(CGerberFile& out, const std::string& f, std::vector<CFabPoint> pts, bool bClosed,
              bool bFilled, bool bProfile);
    std::vector<CFabPoint> EllipsePoints(const CPoint& a, const CPoint& b) const;
    std::vector<CFabPoint> BezierPoints(const CPoint p[4]) const;

    CFabScale m_scale;
    std::int64_t m_nStroke, m_nMaskExpansion;
    IGlyphOutlines& m_glyphs;
    std::map<CFabPoint, int> m_ends; // open profile paths' ends, counted
    bool m_bProfileDrawn = false;
};

// Calls f(primitive) for every complete primitive on layer L, symbols'
// components (nested ones too) included, in the layer walk's order.
void ForEachOnLayer(const CLayerBuckets& buckets, int L,
                    const std::function<void(const CPrimitive&)>& f);
