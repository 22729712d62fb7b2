// The metafile surface, read back with a record walker of its own and, for
// whole drawings, with emf2svg-conv.
#include "doc/document.h"
#include "doc/emf_surface.h"
#include "doc/export_metafile.h"
#include "model/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <vector>

namespace {
// clang-format off
enum : std::uint32_t {
    HEADER = 1, POLYGON = 3, EOF_ = 14, SETPIXELV = 15, SETBKMODE = 18, SETROP2 = 20,
    SETTEXTCOLOR = 24, MOVETOEX = 27, SAVEDC = 33, RESTOREDC = 34, MODIFYWORLDTRANSFORM = 36,
    SELECTOBJECT = 37, CREATEPEN = 38, CREATEBRUSH = 39, ELLIPSE = 42, ROUNDRECT = 44, ARC = 45,
    LINETO = 54, CREATEFONT = 82, EXTTEXTOUTW = 84, POLYBEZIER16 = 85, EXTCREATEPEN = 95,
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
std::int64_t Bits(float f) {
    std::uint32_t v;
    std::memcpy(&v, &f, 4);
    return v;
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

std::string Draw(const std::function<void(CSurface&)>& draw) {
    CRecordingSurface measure;
    CEmfSurface dc(measure);
    draw(dc);
    return dc.Finish(kDescription);
}
} // namespace

TEST(EmfFile, HeaderDescriptionCountsAndEnd) {
    const std::string e = Draw([](CSurface& dc) { dc.DrawLine({1, 2}, {30, 40}); });
    const std::vector<Rec> recs = Walk(e);
    ASSERT_GE(recs.size(), 2u);
    EXPECT_EQ(recs.front().type, HEADER);
    EXPECT_EQ(U32(e, 40), 0x464D4520u);
    EXPECT_EQ(U32(e, 48), e.size());
    EXPECT_EQ(U32(e, 52), recs.size());
    const std::u16string want(u"Tavolin Metafile Writer\0Sheet \u00E8\u20AC\0\0", 35);
    EXPECT_EQ(U32(e, 60), want.size());
    EXPECT_EQ(U32(e, 64), 108u);
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(U32(e, 108 + 2 * i) & 0xFFFF, std::uint32_t(want[i])) << i;
    EXPECT_EQ(U32(e, 4), 108u + 72u);
    EXPECT_EQ(recs.back().type, EOF_);
    EXPECT_EQ(recs.back().off + 20, e.size());
    EXPECT_EQ(U32(e, recs.back().off + 16), 20u);
}

// Each drawing, then values that some record of the type must carry from the
// offset on (16-bit values when step is 2). The header's bounds and frame are at 8.
TEST(EmfRecords, WhatAReaderFindsForEachCall) {
    const auto bounds = [](CSurface& dc) {
        dc.Rectangle(10, 20, 110, 70); // right and bottom edges excluded
        dc.SelectPen({0, 6, true, false});
        dc.DrawLine({-5, 100}, {0, 100}); // reaches 3 beyond its ends
        dc.SetPixel(200, 5, 0);
    };
    // A round geometric pen scaled to the device, the hollow and null stock
    // objects, the raster mode's Windows value.
    const auto pens = [](CSurface& dc) {
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1, 1);
        dc.SetViewportExt(3, 3);
        dc.SelectPen({0, 4, true, false});
        dc.SetROP2(R2_NOTXORPEN);
        dc.Ellipse(0, 0, 10, 10);
        dc.SelectPen({0, 0, false, true});
        dc.SelectBrush({false, RGB(1, 2, 3)});
        dc.Rectangle(0, 0, 10, 10);
        dc.SelectPen({RGB(0, 0, 192), 0, false, false});
        dc.DrawLine({20, 40}, {60, 80});
    };
    const auto figures = [](CSurface& dc) {
        dc.SetViewportOrg(100, 200);
        dc.Ellipse(0, 0, 10, 20);
        dc.RoundRect(0, 0, 10, 20, 4, 6);
        dc.EllipseOutline(-10, -10, 10, 30);
        const CPoint bez[4] = {{0, 0}, {5, -40}, {10, 40}, {15, 0}};
        dc.PolyBezier(bez);
        dc.SetPixel(7, 8, RGB(0, 255, 0));
    };
    const auto huge = [](CSurface& dc) {
        const CPoint far[3] = {{0, 0}, {40000, 0}, {0, -40000}};
        dc.Polygon(far, 3);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1, 1);
        dc.SetViewportExt(1 << 20, 1 << 20);
        dc.SelectPen({0, INT32_MAX, true, false});
        dc.DrawLine({INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX});
        dc.SelectFont({"", INT32_MAX, INT32_MAX, INT32_MIN, 9999, false, false});
        dc.TextOutMirrored(INT32_MAX, INT32_MIN, "far away");
        dc.TextOut(INT32_MIN, INT32_MAX, "far away");
    };
    const auto text = [](CSurface& dc) {
        dc.SelectFont({"*", 10, 6, 0, 700, true, false});
        dc.SetTextColor(RGB(0, 0, 192));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(5, 7, "\xE8\x80x");
        dc.TextOut(5, 30, "ok");
    };
    const auto turned = [](CSurface& dc) {
        dc.SelectFont({"Lucida Console", 10, 6, 900, 400, false, false});
        dc.TextOut(100, 100, "abcd"); // 24 wide, turned to run upwards
        dc.SelectFont({"Lucida Console", 10, 6, 0, 400, false, false});
        dc.TextOutMirrored(300, 100, "abcd");
    };
    const std::int64_t MIN = INT32_MIN, MAX = INT32_MAX;
    const struct {
        std::function<void(CSurface&)> draw;
        std::uint32_t type;
        std::size_t off;
        std::vector<std::int64_t> values;
        int step;
    } cases[] = {
        {[](CSurface&) {}, HEADER, 8, {0, 0, 0, 0, 0, 0, 0, 0}, 4},
        // 96 pixels to the inch, in hundredths of a millimetre.
        {bounds, HEADER, 8, {-8, 5, 200, 103, -212, 132, 5318, 2754}, 4},
        {pens, EXTCREATEPEN, 28, {0x00010000, 12}, 4}, // geometric, solid, round; 4 units at 3x
        {pens, SETROP2, 8, {10}, 4},
        {pens, CREATEBRUSH, 16, {0x030201}, 4},
        {pens, SELECTOBJECT, 8, {0x80000005}, 4},
        {pens, SELECTOBJECT, 8, {0x80000008}, 4},
        {pens, CREATEPEN, 24, {0xC00000}, 4},
        {pens, MOVETOEX, 8, {60, 120}, 4},
        {pens, LINETO, 8, {180, 240}, 4},
        {figures, ELLIPSE, 8, {100, 200, 110, 220}, 4},
        {figures, ROUNDRECT, 8, {100, 200, 110, 220, 4, 6}, 4},
        {figures, ARC, 8, {90, 190, 110, 230, 110, 210, 110, 210}, 4}, // box, start, end
        {figures, POLYBEZIER16, 8, {100, 160, 115, 240, 4}, 4},
        {figures, POLYBEZIER16, 28, {100, 200, 105, 160, 110, 240, 115, 200}, 2},
        {figures, SETPIXELV, 8, {107, 208, 0x00FF00}, 4},
        {figures, HEADER, 8, {90, 160, 115, 240}, 4},
        {huge, POLYGON, 28, {0, 0, 40000, 0, 0, -40000}, 4},
        {huge, HEADER, 8, {MIN, MIN, MAX, MAX, MIN, MIN, MAX, MAX}, 4},
        // Italic, charset 0; TrueType, clipping, quality, fixed-pitch modern.
        {text, CREATEFONT, 12, {10, 6, 0, 0, 700, 1, 0x31003004}, 4},
        {text, SETTEXTCOLOR, 8, {0xC00000}, 4},
        {text, SETBKMODE, 8, {1}, 4},
        {text, EXTTEXTOUTW, 24, {1}, 4}, // compatible graphics mode
        {text, EXTTEXTOUTW, 36, {5, 7, 3}, 4},
        {text, HEADER, 8, {5, 7, 22, 39}, 4},
        {turned, CREATEFONT, 20, {900}, 4},
        {turned, MODIFYWORLDTRANSFORM, 8, {Bits(-1), 0, 0, Bits(1), Bits(600), 0, 2}, 4},
        {turned, MODIFYWORLDTRANSFORM, 32, {1}, 4},
        {turned, EXTTEXTOUTW, 8, {277, 100, 300, 109}, 4},
        {turned, EXTTEXTOUTW, 24, {2}, 4}, // advanced: the glyphs follow the reflection
        {turned, RESTOREDC, 8, {-1}, 4},
        {turned, HEADER, 8, {100, 76, 300, 109}, 4},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const std::string e = Draw(c.draw);
        const std::vector<Rec> recs = Walk(e);
        EXPECT_EQ(recs.back().type, EOF_) << i;
        bool bFound = false;
        for (const Rec& r : recs) {
            if (r.type != c.type) continue;
            std::vector<std::int64_t> got;
            for (std::size_t k = 0; k < c.values.size(); ++k) {
                const std::size_t at = r.off + c.off + k * c.step;
                got.push_back(c.step == 2 ? std::int16_t(U32(e, at) & 0xFFFF) : I32(e, at));
            }
            bFound |= std::equal(got.begin(), got.end(), c.values.begin(), [](auto a, auto b) {
                return std::uint32_t(a) == std::uint32_t(b);
            });
        }
        EXPECT_TRUE(bFound) << "case " << i;
    }
}

// The text's characters as UTF-16 with one advance each, and a mirrored text
// drawn inside its own saved state.
TEST(EmfRecords, TextCarriesItsCharactersAndAdvances) {
    CRecordingSurface measure;
    CEmfSurface dc(measure);
    dc.SelectFont({"*", 10, 6, 0, 700, true, false});
    EXPECT_EQ(dc.GetTextExtent("abc").cx, 18);
    dc.TextOut(5, 7, "\xE8\x80x");
    dc.TextOutMirrored(300, 100, "abcd");
    const std::string e = dc.Finish(kDescription);
    std::vector<std::uint32_t> order;
    for (const Rec& r : Walk(e)) {
        if (r.type == CREATEFONT) {
            EXPECT_EQ(e.substr(r.off + 40, 22),
                      std::string("C\0o\0u\0r\0i\0e\0r\0 \0N\0e\0w\0", 22));
        }
        if (r.type == SAVEDC || r.type == MODIFYWORLDTRANSFORM || r.type == EXTTEXTOUTW ||
            r.type == RESTOREDC)
            order.push_back(r.type);
        if (r.type != EXTTEXTOUTW || order.size() > 1) continue;
        const std::size_t str = r.off + U32(e, r.off + 48), dx = r.off + U32(e, r.off + 72);
        EXPECT_EQ(U32(e, str), 0x20AC00E8u);
        EXPECT_EQ(U32(e, str + 4) & 0xFFFF, std::uint32_t('x'));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(I32(e, dx + 4 * i), 6);
    }
    EXPECT_EQ(order, (std::vector<std::uint32_t>{EXTTEXTOUTW, SAVEDC, MODIFYWORLDTRANSFORM,
                                                 EXTTEXTOUTW, MODIFYWORLDTRANSFORM, RESTOREDC}));
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

std::string ReadFile(const std::string& path) {
    std::stringstream ss;
    ss << std::ifstream(path, std::ios::binary).rdbuf();
    return ss.str();
}
} // namespace

// The example drawings through an independent reader: every wire where the
// metafile puts it, none drawn from the corner of a symbol's rectangle.
TEST(EmfConverter, ExampleDrawingsKeepEveryLineInPlace) {
    if (std::system("command -v emf2svg-conv >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "emf2svg-conv is not installed";
    const std::string emfPath = testing::TempDir() + "tavolin_example.emf",
                      svgPath = testing::TempDir() + "tavolin_example.svg";
    int n = 0;
    for (const auto& example : std::filesystem::directory_iterator(EXAMPLES_DIR)) {
        if (example.path().extension() != ".tvd") continue;
        ++n;
        CSchemoDoc doc(DOC_DRAWING, nullptr);
        ASSERT_TRUE(doc.LoadFile(example.path().string()) && !doc.m_bLoadErrors) << example;
        CRecordingSurface measure;
        ASSERT_EQ(ExportMetafile(doc, emfPath, "esempio", measure, CLayerTable()), "") << example;
        ASSERT_EQ(std::system(("emf2svg-conv -i '" + emfPath + "' -o '" + svgPath + "'").c_str()),
                  0);
        const std::vector<Segment> drawn = EmfLines(ReadFile(emfPath));
        EXPECT_FALSE(drawn.empty()) << example;
        EXPECT_EQ(SvgLines(ReadFile(svgPath)), drawn) << example;
    }
    EXPECT_GT(n, 0);
}
