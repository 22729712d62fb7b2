#include "doc/fab/fab_artwork.h"

#include "doc/fab/glyph_outlines.h"
#include "model/bezier.h"
#include "model/connection.h"
#include "model/ellipse.h"
#include "model/line.h"
#include "model/macro.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"
#include "model/poly.h"
#include "model/raster/flatten.h"
#include "model/rectangle.h"
#include "model/text.h"

#include <cmath>
#include <functional>

namespace {
// An ellipse drawn or filled is a polygon of this many sides: no full-circle arc.
constexpr int kEllipseSides = 72;
// Curves follow the true ones within this many nanometres.
constexpr double kCurveNm = 1000;
constexpr double kPi = 3.14159265358979323846;

void WalkComponents(const CMacro& m, int L, const std::function<void(const CPrimitive&)>& f) {
    for (int pass = 0; pass < NUM_PASSES; ++pass)
        for (const auto& c : m.m_components) {
            if (c->GetDrawPriority() != pass) continue;
            if (c->GetCapabilities() & CAP_MACRO)
                WalkComponents(static_cast<const CMacro&>(*c), L, f);
            else if (c->GetLayer() == L && c->IsComplete())
                f(*c);
        }
}
} // namespace

void ForEachOnLayer(const CLayerBuckets& buckets, int L,
                    const std::function<void(const CPrimitive&)>& f) {
    for (int pass = 0; pass < NUM_PASSES; ++pass)
        for (const CPrimitive* p : buckets.At(L, pass)) {
            if (p->GetCapabilities() & CAP_MACRO)
                WalkComponents(static_cast<const CMacro&>(*p), L, f);
            else if (p->IsComplete())
                f(*p);
        }
}

CArtworkWriter::CArtworkWriter(const CFabScale& scale, std::int64_t nStroke,
                               std::int64_t nMaskExpansion, IGlyphOutlines& glyphs)
    : m_scale(scale), m_nStroke(nStroke), m_nMaskExpansion(nMaskExpansion), m_glyphs(glyphs) {}

CFabPad CArtworkWriter::Pad(const CPCBPad& pad) const {
    CFabPad out;
    out.at = m_scale.Map(pad.m_points[0].x, pad.m_points[0].y);
    out.nHole = m_scale.Length(pad.m_nHole);
    CAperture& a = out.copper;
    a.nW = m_scale.Length(pad.m_nSizeX), a.nH = m_scale.Length(pad.m_nSizeY);
    a.strFunction = "ComponentPad";
    if (pad.m_nPadStyle == PAD_ROUND)
        a.nShape = a.nW == a.nH ? AP_CIRCLE : AP_ELLIPSE;
    else if (pad.m_nPadStyle == PAD_SQUARE)
        a.nShape = AP_RECT;
    else // corners a quarter of the sizes across, as drawn
        a.nShape = AP_ROUNDED, a.nRx = a.nW / 4, a.nRy = a.nH / 4;
    const std::int64_t e = m_nMaskExpansion;
    out.mask = {a.nShape, a.nW + 2 * e, a.nH + 2 * e, a.nRx ? a.nRx + e : 0, a.nRy ? a.nRy + e : 0,
                ""};
    return out;
}

std::vector<CFabPoint> CArtworkWriter::EllipsePoints(const CPoint& a, const CPoint& b) const {
    const double cx = (a.x + double(b.x)) / 2, cy = (a.y + double(b.y)) / 2;
    const double rx = std::abs(b.x - double(a.x)) / 2, ry = std::abs(b.y - double(a.y)) / 2;
    std::vector<CFabPoint> pts;
    for (int i = 0; i <= kEllipseSides; ++i) {
        const double t = 2 * kPi * (i % kEllipseSides) / kEllipseSides;
        pts.push_back(m_scale.MapD(cx + rx * std::cos(t), cy + ry * std::sin(t)));
    }
    return pts;
}

// Flattened in nanometres, within kCurveNm of the curve.
std::vector<CFabPoint> CArtworkWriter::BezierPoints(const CPoint p[4]) const {
    const double k = double(m_scale.nNmPerUnit) / kCurveNm * kFlatness;
    CPointD d[4];
    for (int i = 0; i < 4; ++i)
        d[i] = {p[i].x * k, p[i].y * k};
    const CRectD everywhere{-1e300, -1e300, 1e300, 1e300};
    std::vector<CPointD> flat;
    FlattenCubic(d, everywhere, flat);
    std::vector<CFabPoint> pts{m_scale.Map(p[0].x, p[0].y)};
    for (const CPointD& q : flat)
        pts.push_back(m_scale.MapD(q.x / k, q.y / k));
    return pts;
}

void CArtworkWriter::Path(CGerberFile& out, const std::string& f, std::vector<CFabPoint> pts,
                          bool bClosed, bool bFilled, bool bProfile) {
    if (pts.empty()) return;
    if (bClosed && pts.back() != pts.front()) pts.push_back(pts.front());
    if (bFilled && !bProfile) {
        out.Region(f, pts);
        return;
    }
    out.Stroke(m_nStroke, f, pts);
    if (!bProfile) return;
    m_bProfileDrawn = true;
    if (!bClosed && pts.front() != pts.back()) ++m_ends[pts.front()], ++m_ends[pts.back()];
}

bool CArtworkWriter::ProfileClosed() const {
    if (!m_bProfileDrawn) return false;
    for (const auto& [at, n] : m_ends)
        if (n % 2) return false;
    return true;
}

// The outline of a line, a shape, a curve or a dot; false for other classes.
bool CArtworkWriter::ShapePoints(const CPrimitive& p, CShape& shape) const {
    auto map = [&](const CPoint& q) { return m_scale.Map(q.x, q.y); };
    if (auto* l = dynamic_cast<const CLine*>(&p)) {
        shape = {{map(l->m_points[0]), map(l->m_points[1])}, false, false};
    } else if (auto* r = dynamic_cast<const CRectangle*>(&p)) {
        const CPoint a = r->m_points[0], b = r->m_points[1];
        shape = {{map(a), map({b.x, a.y}), map(b), map({a.x, b.y})}, true, r->m_bFilled != 0};
    } else if (auto* e = dynamic_cast<const CEllipse*>(&p)) {
        shape = {EllipsePoints(e->m_points[0], e->m_points[1]), true, e->m_bFilled != 0};
    } else if (auto* poly = dynamic_cast<const CPoly*>(&p)) {
        shape = {{}, true, poly->m_bFilled != 0};
        for (int i = 0; i < poly->GetPointCount(); ++i)
            shape.pts.push_back(map(poly->m_points[i]));
    } else if (auto* bz = dynamic_cast<const CBezier*>(&p)) {
        shape = {BezierPoints(bz->m_points), false, false};
    } else if (auto* dot = dynamic_cast<const CConnection*>(&p)) {
        const CPoint c = dot->m_points[0];
        shape = {EllipsePoints({c.x - 1, c.y - 1}, {c.x + 1, c.y + 1}), true, true};
    } else {
        return false;
    }
    return true;
}

void CArtworkWriter::Emit(const CPrimitive& p, CGerberFile& out, const std::string& f,
                          bool bProfile) {
    if (auto* t = dynamic_cast<const CPCBLine*>(&p)) {
        const std::vector<CFabPoint> pts{m_scale.Map(t->m_points[0].x, t->m_points[0].y),
                                         m_scale.Map(t->m_points[1].x, t->m_points[1].y)};
        if (bProfile)
            Path(out, f, pts, false, false, true);
        else
            out.Stroke(m_scale.Length(t->m_nThickness), f, pts);
    } else if (auto* pad = dynamic_cast<const CPCBPad*>(&p)) {
        if (bProfile) return;
        CFabPad fab = Pad(*pad);
        fab.copper.strFunction = f;
        out.Flash(fab.copper, fab.at);
    } else if (auto* text = dynamic_cast<const CExtendedText*>(&p)) {
        for (const auto& contour : m_glyphs.Outlines(*text)) {
            std::vector<CFabPoint> pts;
            for (const CPointD& q : contour)
                pts.push_back(m_scale.MapD(q.x, q.y));
            Path(out, f, pts, true, false, bProfile);
        }
    } else if (CShape shape; ShapePoints(p, shape)) {
        Path(out, f, std::move(shape.pts), shape.bClosed, shape.bFilled, bProfile);
    }
}
