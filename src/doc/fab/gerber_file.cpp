#include "doc/fab/gerber_file.h"

#include <cmath>

namespace {
// Readers cap a macro's parameters near 100: an outline of 40 vertices takes 86.
constexpr int kOutlineVertices = 40;
constexpr double kPi = 3.14159265358979323846;

CFabPoint Polar(double cx, double cy, double rx, double ry, double a) {
    return {std::llround(cx + rx * std::cos(a)), std::llround(cy + ry * std::sin(a))};
}
} // namespace

std::vector<CFabPoint> ApertureOutline(const CAperture& a) {
    std::vector<CFabPoint> out;
    if (a.nShape == AP_ELLIPSE) {
        for (int i = 0; i < kOutlineVertices; ++i)
            out.push_back(Polar(0, 0, a.nW / 2.0, a.nH / 2.0, 2 * kPi * i / kOutlineVertices));
        return out;
    }
    // Ten points on each corner, from its start to its end, counter-clockwise.
    constexpr int kPerCorner = kOutlineVertices / 4;
    const double cx = a.nW / 2.0 - a.nRx, cy = a.nH / 2.0 - a.nRy;
    const double sx[4] = {1, -1, -1, 1}, sy[4] = {1, 1, -1, -1};
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < kPerCorner; ++i)
            out.push_back(Polar(sx[c] * cx, sy[c] * cy, double(a.nRx), double(a.nRy),
                                kPi / 2 * (c + double(i) / (kPerCorner - 1))));
    return out;
}

CGerberFile::CGerberFile(const CFabHeader& header, std::string strFunction, bool bNegative)
    : m_header(header), m_strFunction(std::move(strFunction)), m_bNegative(bNegative) {}

void CGerberFile::SetAttribute(const std::string& f) {
    if (f == m_strAttribute) return;
    m_strBody += f.empty() ? "G04 #@! TD.AperFunction*\n" : "G04 #@! TA.AperFunction," + f + "*\n";
    m_strAttribute = f;
}

void CGerberFile::Define(int nCode, const CAperture& a) {
    SetAttribute(a.strFunction);
    std::string def = "%ADD";
    AppendInt(def, nCode);
    if (a.nShape == AP_CIRCLE) {
        def += "C," + FormatMm(a.nW);
    } else if (a.nShape == AP_RECT) {
        def += "R," + FormatMm(a.nW) + "X" + FormatMm(a.nH);
    } else {
        // Literal coordinates only: no variable, so no sign before one.
        std::string name = "PAD";
        AppendInt(name, nCode);
        const std::vector<CFabPoint> pts = ApertureOutline(a);
        m_strBody += "%AM" + name + "*\n4,1,";
        AppendInt(m_strBody, std::int64_t(pts.size()));
        for (std::size_t i = 0; i <= pts.size(); ++i) {
            const CFabPoint& p = pts[i % pts.size()];
            m_strBody += "," + FormatMm(p.x) + "," + FormatMm(p.y);
        }
        m_strBody += ",0*\n%\n";
        def += name;
    }
    m_strBody += def + "*%\n";
}

int CGerberFile::Select(const CAperture& a) {
    auto it = m_apertures.find(a);
    if (it == m_apertures.end()) {
        it = m_apertures.emplace(a, int(m_apertures.size()) + 10).first;
        Define(it->second, a);
    }
    if (it->second != m_nCurrent) {
        m_strBody += 'D';
        AppendInt(m_strBody, it->second);
        m_strBody += "*\n";
        m_nCurrent = it->second;
    }
    return it->second;
}

void CGerberFile::Coordinates(CFabPoint p, const char* op) {
    m_strBody += 'X';
    AppendInt(m_strBody, p.x);
    m_strBody += 'Y';
    AppendInt(m_strBody, p.y);
    m_strBody += op;
    m_points.Add(p);
}

void CGerberFile::Flash(const CAperture& a, CFabPoint at) {
    Select(a);
    Coordinates(at, "D03*\n");
    m_ink.Add(CFabPoint{at.x - a.nW / 2, at.y - a.nH / 2});
    m_ink.Add(CFabPoint{at.x + (a.nW + 1) / 2, at.y + (a.nH + 1) / 2});
    ++m_nFigures;
}

void CGerberFile::Stroke(std::int64_t nWidth, const std::string& strFunction,
                         const std::vector<CFabPoint>& path) {
    if (path.empty() || nWidth <= 0) return;
    const CAperture a{AP_CIRCLE, nWidth, nWidth, 0, 0, strFunction};
    std::vector<CFabPoint> pts{path[0]};
    for (const CFabPoint& p : path)
        if (p != pts.back()) pts.push_back(p);
    if (pts.size() == 1) {
        Flash(a, pts[0]); // a stroke of no length is a dot
        return;
    }
    Select(a);
    Coordinates(pts[0], "D02*\n");
    for (std::size_t i = 1; i < pts.size(); ++i)
        Coordinates(pts[i], "D01*\n");
    for (const CFabPoint& p : pts)
        m_ink.Add(p, (nWidth + 1) / 2);
    ++m_nFigures;
}

void CGerberFile::Region(const std::string& strFunction, const std::vector<CFabPoint>& outline) {
    std::vector<CFabPoint> pts;
    for (const CFabPoint& p : outline)
        if (pts.empty() || p != pts.back()) pts.push_back(p);
    while (pts.size() > 1 && pts.back() == pts.front())
        pts.pop_back();
    if (pts.size() < 3) return;
    SetAttribute(strFunction);
    m_strBody += "G36*\n";
    Coordinates(pts[0], "D02*\n");
    for (std::size_t i = 1; i < pts.size(); ++i)
        Coordinates(pts[i], "D01*\n");
    Coordinates(pts[0], "D01*\nG37*\n");
    for (const CFabPoint& p : pts)
        m_ink.Add(p);
    ++m_nFigures;
}

std::string CGerberFile::Text() const {
    std::string out = "G04 #@! TF.GenerationSoftware,Tavolin,Tavolin," + m_header.strVersion +
                      "*\nG04 #@! TF.CreationDate," + FormatIsoDate(m_header.date) +
                      "*\nG04 #@! TF.SameCoordinates,Original*\nG04 #@! TF.FileFunction," +
                      m_strFunction + "*\nG04 #@! TF.FilePolarity," +
                      (m_bNegative ? "Negative" : "Positive") +
                      "*\n%FSLAX46Y46*%\n%MOMM*%\n%LPD*%\nG01*\n";
    out.reserve(out.size() + m_strBody.size() + 8);
    return out + m_strBody + "M02*\n";
}
