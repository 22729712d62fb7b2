// The metafile surface, read back with a record walker of its own.
#include "doc/document.h"
#include "doc/emf_surface.h"
#include "doc/export_metafile.h"
#include "model/line.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"
#include "model/recording_surface.h"
#include "model/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

namespace {
// clang-format off
enum : std::uint32_t {
    HEADER = 1, POLYBEZIER = 2, POLYGON = 3, EOF_ = 14, SETPIXELV = 15, SETBKMODE = 18,
    SETPOLYFILLMODE = 19, SETROP2 = 20, SETTEXTALIGN = 22, SETTEXTCOLOR = 24, MOVETOEX = 27,
    SAVEDC = 33, RESTOREDC = 34, MODIFYWORLDTRANSFORM = 36, SELECTOBJECT = 37, CREATEPEN = 38,
    CREATEBRUSH = 39, DELETEOBJECT = 40, ELLIPSE = 42, RECTANGLE = 43, ROUNDRECT = 44, ARC = 45,
    LINETO = 54, CREATEFONT = 82, EXTTEXTOUTW = 84, POLYBEZIER16 = 85, POLYGON16 = 86,
    EXTCREATEPEN = 95,
};
// clang-format on

const std::string kDescription("Tavolin Metafile Writer\0Sheet \xE8\x80\0\0", 35);

std::uint32_t U32(const std::string& s, std::size_t off) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s.at(off + i));
    return v;
}
std::int32_t I32(const std::string& s, std::size_t off) {
    return std::int32_t(U32(s, off));
}
std::int16_t I16(const std::string& s, std::size_t off) {
    return std::int16_t(U32(s, off) & 0xFFFF);
}
float F32(const std::string& s, std::size_t off) {
    const std::uint32_t bits = U32(s, off);
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

struct Rec {
    std::uint32_t type;
    std::size_t off; // of the record in the file
};

// Every record in order; fails the test on a size that is not a positive
// multiple of four or runs past the end.
std::vector<Rec> Walk(const std::string& emf) {
    std::vector<Rec> out;
    for (std::size_t off = 0; off + 8 <= emf.size();) {
        const std::uint32_t size = U32(emf, off + 4);
        EXPECT_TRUE(size >= 8 && size % 4 == 0 && off + size <= emf.size()) << "at " << off;
        if (size < 8 || off + size > emf.size()) break;
        out.push_back({U32(emf, off), off});
        off += size;
    }
    return out;
}

std::vector<std::size_t> Find(const std::vector<Rec>& recs, std::uint32_t type) {
    std::vector<std::size_t> offs;
    for (const Rec& r : recs)
        if (r.type == type) offs.push_back(r.off);
    return offs;
}

CRect RectAt(const std::string& s, std::size_t off) {
    return {I32(s, off), I32(s, off + 4), I32(s, off + 8), I32(s, off + 12)};
}

struct Fixture {
    CRecordingSurface measure;
    CEmfSurface dc{measure};
    std::string emf;
    std::vector<Rec> recs;
    void Finish() {
        emf = dc.Finish(kDescription);
        recs = Walk(emf);
    }
};
} // namespace

TEST(EmfFile, HeaderDescriptionCountsAndEnd) {
    Fixture f;
    f.dc.DrawLine({1, 2}, {30, 40});
    f.Finish();
    const std::string& e = f.emf;
    ASSERT_GE(f.recs.size(), 2u);
    EXPECT_EQ(f.recs.front().type, HEADER);
    EXPECT_EQ(U32(e, 40), 0x464D4520u);
    EXPECT_EQ(U32(e, 48), e.size());
    EXPECT_EQ(U32(e, 52), f.recs.size());
    const std::u16string want(u"Tavolin Metafile Writer\0Sheet \u00E8\u20AC\0\0", 35);
    ASSERT_EQ(want.size(), 35u);
    EXPECT_EQ(U32(e, 60), want.size());
    const std::size_t desc = U32(e, 64);
    EXPECT_EQ(desc, 108u);
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(U32(e, desc + 2 * i) & 0xFFFF, std::uint32_t(want[i])) << i;
    EXPECT_EQ(U32(e, 4), 108u + 72u);
    const Rec& last = f.recs.back();
    EXPECT_EQ(last.type, EOF_);
    EXPECT_EQ(last.off + 20, e.size());
    EXPECT_EQ(U32(e, last.off + 12), 16u);
    EXPECT_EQ(U32(e, last.off + 16), 20u);
}

TEST(EmfFile, BoundsAndFrameCoverTheDrawingOrAreZero) {
    Fixture empty;
    empty.Finish();
    EXPECT_EQ(empty.recs.size(), 2u);
    EXPECT_EQ(RectAt(empty.emf, 8), CRect{});
    EXPECT_EQ(RectAt(empty.emf, 24), CRect{});

    Fixture f;
    f.dc.Rectangle(10, 20, 110, 70); // right and bottom edges excluded
    f.dc.SelectPen({0, 6, true, false});
    f.dc.DrawLine({-5, 100}, {0, 100}); // reaches 3 beyond its ends
    f.dc.SetPixel(200, 5, 0);
    f.Finish();
    EXPECT_EQ(RectAt(f.emf, 8), (CRect{-8, 5, 200, 103}));
    // 96 pixels to the inch, in hundredths of a millimetre.
    EXPECT_EQ(RectAt(f.emf, 24), (CRect{-212, 132, 5318, 2754}));
}

// What a reader needs to draw as we do: a round geometric pen scaled to the
// device, the hollow and null stock objects, the raster mode's Windows value.
TEST(EmfObjects, PensBrushesAndModesAsWindowsNumbersThem) {
    Fixture f;
    f.dc.SetMapMode(MM_ANISOTROPIC);
    f.dc.SetWindowExt(1, 1);
    f.dc.SetViewportExt(3, 3);
    f.dc.SelectPen({0, 4, true, false});
    f.dc.SetROP2(R2_NOTXORPEN);
    f.dc.Ellipse(0, 0, 10, 10); // hollow brush by default
    f.dc.SelectPen({0, 0, false, true});
    f.dc.SelectBrush({false, RGB(1, 2, 3)});
    f.dc.Rectangle(0, 0, 10, 10);
    f.Finish();
    const std::size_t ext = Find(f.recs, EXTCREATEPEN).at(0);
    EXPECT_EQ(U32(f.emf, ext + 28), 0x00010000u); // geometric, solid, round ends and joins
    EXPECT_EQ(U32(f.emf, ext + 32), 12u);         // 4 logical units at 3x
    EXPECT_EQ(U32(f.emf, Find(f.recs, SETROP2).back() + 8), 10u);
    EXPECT_EQ(U32(f.emf, Find(f.recs, CREATEBRUSH).at(0) + 16), 0x030201u);
    std::vector<std::uint32_t> selected;
    for (std::size_t off : Find(f.recs, SELECTOBJECT))
        selected.push_back(U32(f.emf, off + 8));
    EXPECT_NE(std::find(selected.begin(), selected.end(), 0x80000005u), selected.end());
    EXPECT_NE(std::find(selected.begin(), selected.end(), 0x80000008u), selected.end());
}

TEST(EmfFigures, RecordsCarryDeviceCoordinates) {
    Fixture f;
    f.dc.SetViewportOrg(100, 200);
    f.dc.Ellipse(0, 0, 10, 20);
    f.dc.RoundRect(0, 0, 10, 20, 4, 6);
    f.dc.EllipseOutline(-10, -10, 10, 30);
    const CPoint bez[4] = {{0, 0}, {5, -40}, {10, 40}, {15, 0}};
    f.dc.PolyBezier(bez);
    f.dc.SetPixel(7, 8, RGB(0, 255, 0));
    f.Finish();
    const std::string& e = f.emf;
    EXPECT_EQ(RectAt(e, Find(f.recs, ELLIPSE).at(0) + 8), (CRect{100, 200, 110, 220}));
    const std::size_t rr = Find(f.recs, ROUNDRECT).at(0);
    EXPECT_EQ(I32(e, rr + 24), 4);
    EXPECT_EQ(I32(e, rr + 28), 6);
    const std::size_t arc = Find(f.recs, ARC).at(0);
    EXPECT_EQ(RectAt(e, arc + 8), (CRect{90, 190, 110, 230}));
    EXPECT_EQ(RectAt(e, arc + 24), (CRect{110, 210, 110, 210})); // start and end
    const std::size_t bz = Find(f.recs, POLYBEZIER16).at(0);
    EXPECT_EQ(RectAt(e, bz + 8), (CRect{100, 160, 115, 240}));
    EXPECT_EQ(U32(e, bz + 24), 4u);
    EXPECT_EQ(I16(e, bz + 32), 105);
    EXPECT_EQ(I16(e, bz + 34), 160);
    const std::size_t px = Find(f.recs, SETPIXELV).at(0);
    EXPECT_EQ(I32(e, px + 8), 107);
    EXPECT_EQ(I32(e, px + 12), 208);
    EXPECT_EQ(U32(e, px + 16), 0x00FF00u);
    EXPECT_EQ(RectAt(e, 8), (CRect{90, 160, 115, 240}));
}

TEST(EmfFigures, HugeCoordinatesStayValid) {
    Fixture f;
    const CPoint far[3] = {{0, 0}, {40000, 0}, {0, -40000}};
    f.dc.Polygon(far, 3);
    f.dc.SetMapMode(MM_ANISOTROPIC);
    f.dc.SetWindowExt(1, 1);
    f.dc.SetViewportExt(1 << 20, 1 << 20);
    f.dc.SelectPen({0, INT32_MAX, true, false});
    f.dc.DrawLine({INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX});
    f.dc.SelectFont({"", INT32_MAX, INT32_MAX, INT32_MIN, 9999, false, false});
    f.dc.TextOutMirrored(INT32_MAX, INT32_MIN, "far away");
    f.dc.TextOut(INT32_MIN, INT32_MAX, "far away");
    f.Finish();
    const std::size_t poly = Find(f.recs, POLYGON).at(0);
    EXPECT_EQ(I32(f.emf, poly + 36), 40000);
    EXPECT_EQ(I32(f.emf, poly + 48), -40000);
    EXPECT_EQ(RectAt(f.emf, 8), (CRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));
    EXPECT_EQ(RectAt(f.emf, 24), (CRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));
    EXPECT_EQ(f.recs.back().type, EOF_);
}

TEST(EmfPrimitives, ALineAtZoom2000) {
    Fixture f;
    CLine line(1, 2, 3, 4, false);
    line.Draw(f.dc, false, 0xFFFFFF, RGB(0, 0, 192), 0x0000FF, 2000, -1, false);
    f.Finish();
    const auto move = Find(f.recs, MOVETOEX), to = Find(f.recs, LINETO);
    ASSERT_EQ(move.size(), 1u);
    ASSERT_EQ(to.size(), 1u);
    EXPECT_EQ(I32(f.emf, move[0] + 8), 20);
    EXPECT_EQ(I32(f.emf, move[0] + 12), 40);
    EXPECT_EQ(I32(f.emf, to[0] + 8), 60);
    EXPECT_EQ(I32(f.emf, to[0] + 12), 80);
    EXPECT_EQ(U32(f.emf, Find(f.recs, CREATEPEN).at(0) + 24), 0xC00000u);
    EXPECT_EQ(Find(f.recs, SETPIXELV).size(), 1u);
}

TEST(EmfText, FontTextAndBounds) {
    Fixture f;
    f.dc.SelectFont({"*", 10, 6, 0, 700, true, false});
    f.dc.SetTextColor(RGB(0, 0, 192));
    f.dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(f.dc.GetTextExtent("abc").cx, 18);
    f.dc.TextOut(5, 7, "\xE8\x80x");
    f.dc.TextOut(5, 30, "ok");
    f.Finish();
    const std::string& e = f.emf;
    const auto fonts = Find(f.recs, CREATEFONT);
    ASSERT_EQ(fonts.size(), 1u);
    const std::size_t lf = fonts[0] + 12;
    EXPECT_EQ(I32(e, lf), 10);
    EXPECT_EQ(I32(e, lf + 4), 6);
    EXPECT_EQ(I32(e, lf + 16), 700);
    EXPECT_EQ(U32(e, lf + 20), 1u);          // italic, no underline or strike-out, charset 0
    EXPECT_EQ(U32(e, lf + 24), 0x31003004u); // TrueType, clipping, quality, fixed-pitch modern
    EXPECT_EQ(e.substr(lf + 28, 22), std::string("C\0o\0u\0r\0i\0e\0r\0 \0N\0e\0w\0", 22));
    EXPECT_EQ(U32(e, Find(f.recs, SETTEXTCOLOR).at(0) + 8), 0xC00000u);
    EXPECT_EQ(U32(e, Find(f.recs, SETBKMODE).at(0) + 8), 1u);
    const std::size_t t = Find(f.recs, EXTTEXTOUTW).at(0);
    EXPECT_EQ(U32(e, t + 24), 1u); // compatible graphics mode
    EXPECT_EQ(I32(e, t + 36), 5);
    EXPECT_EQ(I32(e, t + 40), 7);
    ASSERT_EQ(U32(e, t + 44), 3u);
    const std::size_t str = t + U32(e, t + 48), dx = t + U32(e, t + 72);
    EXPECT_EQ(U32(e, str), 0x20AC00E8u);
    EXPECT_EQ(U32(e, str + 4) & 0xFFFF, std::uint32_t('x'));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(I32(e, dx + 4 * i), 6);
    EXPECT_EQ(RectAt(e, 8), (CRect{5, 7, 22, 39}));
}

TEST(EmfText, TurnedAndMirroredText) {
    Fixture f;
    f.dc.SelectFont({"Lucida Console", 10, 6, 900, 400, false, false});
    f.dc.TextOut(100, 100, "abcd"); // 24 wide, turned to run upwards
    f.dc.SelectFont({"Lucida Console", 10, 6, 0, 400, false, false});
    f.dc.TextOutMirrored(300, 100, "abcd");
    f.Finish();
    const std::string& e = f.emf;
    ASSERT_EQ(Find(f.recs, CREATEFONT).size(), 2u);
    EXPECT_EQ(I32(e, Find(f.recs, CREATEFONT)[0] + 20), 900);
    const std::size_t save = Find(f.recs, SAVEDC).at(0),
                      xf = Find(f.recs, MODIFYWORLDTRANSFORM).at(0);
    const std::size_t text = Find(f.recs, EXTTEXTOUTW).at(1),
                      restore = Find(f.recs, RESTOREDC).at(0);
    EXPECT_TRUE(save < xf && xf < text && text < restore);
    EXPECT_EQ(F32(e, xf + 8), -1.0f);
    EXPECT_EQ(F32(e, xf + 20), 1.0f);
    EXPECT_EQ(F32(e, xf + 24), 600.0f);
    EXPECT_EQ(U32(e, xf + 32), 2u);
    const std::size_t reset = Find(f.recs, MODIFYWORLDTRANSFORM).at(1);
    EXPECT_TRUE(text < reset && reset < restore);
    EXPECT_EQ(U32(e, reset + 32), 1u);
    EXPECT_EQ(U32(e, text + 24), 2u); // advanced: the glyphs follow the reflection
    EXPECT_EQ(I32(e, restore + 8), -1);
    EXPECT_EQ(RectAt(e, text + 8), (CRect{277, 100, 300, 109}));
    EXPECT_EQ(RectAt(e, 8), (CRect{100, 76, 300, 109}));
}

// Lines in two colours, a pad, a filled polygon, a curve, a track and text:
// plain, turned and mirrored.
static void DrawSample(CEmfSurface& dc) {
    CLine(10, 10, 300, 10, false).Draw(dc, false, 0xFFFFFF, RGB(0, 0, 192), 0xFF, 100, -1, false);
    CLine(10, 20, 300, 150, false).Draw(dc, false, 0xFFFFFF, RGB(192, 0, 0), 0xFF, 100, -1, false);
    CPCBPad(60, 100, false).Draw(dc, false, 0xFFFFFF, RGB(0, 128, 0), 0xFF, 300, -1, false);
    CPCBLine track(20, 300, 150, 250, false);
    track.m_nThickness = 8;
    track.Draw(dc, false, 0xFFFFFF, RGB(0, 160, 160), 0xFF, 100, -1, false);
    dc.SelectPen({RGB(128, 0, 128), 0, false, false});
    dc.SelectBrush({false, RGB(255, 200, 0)});
    const CPoint poly[4] = {{200, 40}, {280, 60}, {260, 120}, {190, 90}};
    dc.Polygon(poly, 4);
    const CPoint bez[4] = {{20, 200}, {100, 120}, {200, 280}, {300, 200}};
    dc.PolyBezier(bez);
    CExtendedText text(20, 220, "Tavolin \xE8\x80");
    text.m_nHeight = 20;
    text.m_nWidth = 12;
    const int angles[3] = {0, 90, 0};
    const CPoint at[3] = {{20, 220}, {330, 300}, {300, 260}};
    for (int i = 0; i < 3; ++i) {
        text.m_nAngle = angles[i];
        text.m_nStyle = i == 2 ? std::uint32_t(STYLE_MIRRORED) : 0u;
        text.m_points[0] = at[i];
        text.RebuildFont(100);
        text.Draw(dc, false, 0xFFFFFF, i == 0 ? RGB(0, 0, 192) : 0, 0xFF, 100, -1, false);
    }
}

// An independent reader: the converter must take the file and keep its colours.
TEST(EmfConverter, ConvertsToSvgWithTheColours) {
    Fixture f;
    DrawSample(f.dc);
    const std::string dir = testing::TempDir();
    const std::string emfPath = dir + "tavolin_emf_check.emf",
                      svgPath = dir + "tavolin_emf_check.svg";
    std::ofstream(emfPath, std::ios::binary) << f.dc.Finish(kDescription);
    if (std::system("command -v emf2svg-conv >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "emf2svg-conv is not installed";
    ASSERT_EQ(std::system(("emf2svg-conv -i '" + emfPath + "' -o '" + svgPath + "'").c_str()), 0);
    std::stringstream svg;
    svg << std::ifstream(svgPath).rdbuf();
    std::string s = svg.str();
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_NE(s.find("#0000c0"), std::string::npos);
    EXPECT_NE(s.find("#c00000"), std::string::npos);
    EXPECT_NE(s.find("#008000"), std::string::npos);
    EXPECT_NE(s.find("#00a0a0"), std::string::npos);
    EXPECT_NE(s.find("tavolin \xC3\xA8\xE2\x82\xAC"), std::string::npos); // UTF-8 of the text
    EXPECT_NE(s.find("matrix(-1"), std::string::npos);                    // the mirrored one
}

namespace {
using Segment = std::array<long long, 4>;

// The lines a metafile draws, each from the current position as Windows keeps
// it: set by a move or a line's end, left alone by every other figure.
std::vector<Segment> EmfLines(const std::string& emf) {
    std::vector<Segment> lines;
    long long x = 0, y = 0;
    for (const Rec& r : Walk(emf)) {
        const long long px = I32(emf, r.off + 8), py = I32(emf, r.off + 12);
        if (r.type == LINETO) lines.push_back({x, y, px, py});
        if (r.type == MOVETOEX || r.type == LINETO) x = px, y = py;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The two-point paths of the converter's SVG: the lines it drew.
std::vector<Segment> SvgLines(const std::string& svg) {
    static const std::regex kLine(R"(<path d="M ([-0-9.]+),([-0-9.]+) L ([-0-9.]+),([-0-9.]+) ")");
    std::vector<Segment> lines;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), kLine);
         it != std::sregex_iterator(); ++it) {
        Segment s;
        for (int i = 0; i < 4; ++i)
            s[std::size_t(i)] = std::llround(std::stod((*it)[i + 1].str()));
        lines.push_back(s);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}
} // namespace

// The example drawings through the converter: every wire where the metafile
// puts it, none drawn from the corner of a symbol's rectangle.
TEST(EmfConverter, ExampleDrawingsKeepEveryLineInPlace) {
    if (std::system("command -v emf2svg-conv >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "emf2svg-conv is not installed";
    std::vector<std::filesystem::path> examples;
    for (const auto& e : std::filesystem::directory_iterator(EXAMPLES_DIR))
        if (e.path().extension() == ".tvd") examples.push_back(e.path());
    ASSERT_FALSE(examples.empty());
    const std::string emfPath = testing::TempDir() + "tavolin_example.emf",
                      svgPath = testing::TempDir() + "tavolin_example.svg";
    for (const auto& example : examples) {
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        ASSERT_TRUE(doc.LoadFile(example.string())) << example;
        ASSERT_FALSE(doc.m_bLoadErrors) << example;
        CRecordingSurface measure;
        ASSERT_EQ(ExportMetafile(doc, emfPath, "esempio", measure, CLayerTable()), "") << example;
        ASSERT_EQ(std::system(("emf2svg-conv -i '" + emfPath + "' -o '" + svgPath + "'").c_str()),
                  0);
        std::stringstream emf, svg;
        emf << std::ifstream(emfPath, std::ios::binary).rdbuf();
        svg << std::ifstream(svgPath).rdbuf();
        const std::vector<Segment> drawn = EmfLines(emf.str());
        EXPECT_FALSE(drawn.empty()) << example;
        EXPECT_EQ(SvgLines(svg.str()), drawn) << example;
    }
}
