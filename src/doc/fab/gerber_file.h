#pragma once
// One Gerber X2 file, built figure by figure: apertures are defined where
// first used, once for each shape, size and function; attributes are written
// in the comment form that readers without X2 skip.
#include "doc/fab/fab_units.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

enum ApertureShape { AP_CIRCLE, AP_RECT, AP_ELLIPSE, AP_ROUNDED };

// Sizes are the whole width and height; a rounded rectangle's corners are
// quarter ellipses of radii nRx, nRy.
struct CAperture {
    int nShape = AP_CIRCLE;
    std::int64_t nW = 0, nH = 0, nRx = 0, nRy = 0;
    std::string strFunction; // the aperture function attribute, or empty
    bool operator<(const CAperture& o) const {
        return std::tie(nShape, nW, nH, nRx, nRy, strFunction) <
               std::tie(o.nShape, o.nW, o.nH, o.nRx, o.nRy, o.strFunction);
    }
};

// What every file of a set says about where it comes from.
struct CFabHeader {
    std::string strVersion;
    CFabDate date;
};

class CGerberFile {
  public:
    // strFunction: the file function ("Copper,L1,Top"); a negative file
    // describes what is left open (the solder mask).
    CGerberFile(const CFabHeader& header, std::string strFunction, bool bNegative);

    void Flash(const CAperture& a, CFabPoint at);
    // A polyline drawn with a circular aperture; a closed one repeats its
    // first point at the end.
    void Stroke(std::int64_t nWidth, const std::string& strFunction,
                const std::vector<CFabPoint>& path);
    // A filled outline, closed exactly on its first point.
    void Region(const std::string& strFunction, const std::vector<CFabPoint>& outline);

    bool IsEmpty() const { return m_nFigures == 0; }
    const std::string& Function() const { return m_strFunction; }
    void SetFunction(std::string f) { m_strFunction = std::move(f); }
    bool IsNegative() const { return m_bNegative; }
    // Everything drawn, with the apertures' extents; and only the points drawn to.
    const CFabBox& InkBox() const { return m_ink; }
    const CFabBox& PointBox() const { return m_points; }
    std::string Text() const;

  private:
    int Select(const CAperture& a);
    void Define(int nCode, const CAperture& a);
    void SetAttribute(const std::string& f);
    void Coordinates(CFabPoint p, const char* op);

    CFabHeader m_header;
    std::string m_strFunction;
    bool m_bNegative;
    std::map<CAperture, int> m_apertures;
    int m_nCurrent = -1;
    std::string m_strAttribute; // the aperture function in force
    std::string m_strBody;
    std::size_t m_nFigures = 0;
    CFabBox m_ink, m_points;
};

// The outline of an aperture macro's shape around its centre, as many points
// as an outline primitive should carry (the closing point not repeated).
std::vector<CFabPoint> ApertureOutline(const CAperture& a);
