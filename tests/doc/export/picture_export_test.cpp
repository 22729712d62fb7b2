// The pictures written without Qt: the format a name chooses, the bitmap's
// geometry and rows (its pixels are checked with the Qt layer), and the
// metafile read back with a record walker of its own.
#include "doc/export/emf_surface.h"
#include "doc/export/export_bitmap.h"
#include "support/core_test.h"
#include "support/draw_script.h"
#include "view/forms/picture_types.h"

namespace {
// clang-format off
enum : std::uint32_t {
    HEADER = 1, POLYGON = 3, EOF_ = 14, SETPIXELV = 15, SETBKMODE = 18, SETPOLYFILLMODE = 19,
    SETROP2 = 20, SETTEXTCOLOR = 24, MOVETOEX = 27, SAVEDC = 33, RESTOREDC = 34,
    MODIFYWORLDTRANSFORM = 36, SELECTOBJECT = 37, CREATEPEN = 38, CREATEBRUSH = 39,
    DELETEOBJECT = 40, ROUNDRECT = 44, ARC = 45, LINETO = 54, CREATEFONT = 82, EXTTEXTOUTW = 84,
    POLYBEZIER16 = 85, EXTCREATEPEN = 95,
};
// clang-format on

const std::string kDescription("Tavolin Metafile Writer\0Sheet \xE8\x80\0\0", 35);

std::uint32_t U32(const std::string& s, std::size_t off) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s.at(off + i));
    return v;
}

std::string ReadFile(const std::string& path) {
    std::stringstream ss;
    ss << std::ifstream(path, std::ios::binary).rdbuf();
    return ss.str();
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

std::string Draw(const std::string& script) {
    CRecordingSurface measure;
    CEmfSurface dc(measure);
    Play(dc, script, RGB(0, 0, 192));
    return dc.Finish(kDescription);
}
} // namespace

// Each drawing (its ink 0xc00000): a whole file, bytes and records counted in
// the header, the end record last; and values that some record of
// the type must carry from the offset on: 32-bit, or 16-bit after "i16".
// Floats are written as their bits: 0xbf800000 is -1, 0x3f800000 is 1.
TEST(EmfRecords, WhatAReaderFindsForEachCall) {
    const std::string pens = "aniso; wext 1 1; vext 3 3; round 4; xor; ellipse 0 0 10 10; nopen; "
                             "brush 0x030201; rect 0 0 10 10";
    const std::string figures = "vorg 100 200; ellipse 0 0 10 20; rrect 0 0 10 20 4 6; circle "
                                "-10 -10 10 30; bezier 0 0 5 -40 10 40 15 0; pixel 7 8";
    const std::string huge = "poly 0 0 40000 0 0 -40000; aniso; wext 1 1; vext 1048576 1048576; "
                             "round max; line min min max max; font max max min 9999; "
                             "mirror max min far away; text min max far away";
    const std::string text = "font 10 6 0 700 1; transparent; text 5 7 \xE8\x80x; text 5 30 ok";
    const std::string turned = "font 10 6 900; text 100 100 abcd; font 10 6; mirror 300 100 abcd";
    const struct {
        std::string script;
        std::uint32_t type;
        std::size_t off;
        const char* values;
    } cases[] = {
        {"line 1 2 30 40", HEADER, 60, "35 108"}, // the description
        {"line 1 2 30 40", HEADER, 108,
         "i16 84 97 118 111 108 105 110 32 77 101 116 97 102 105 108 101 32 87 114 105 116 101 "
         "114 0 83 104 101 101 116 32 232 8364 0 0 0"},
        {"", HEADER, 8, "0 0 0 0 0 0 0 0"}, // bounds and frame: nothing drawn
        // Right and bottom edges excluded, a wide pen reaches half its width
        // beyond the ends; the frame at 96 pixels an inch in 0.01 mm.
        {"rect 10 20 110 70; round 6; line -5 100 0 100; pixel 200 5", HEADER, 8,
         "-8 5 200 103 -212 132 5318 2754"},
        {"rect 10 20 110 70", HEADER, 8, "10 20 109 69"},
        {"line 30 40 1 2", HEADER, 8, "1 2 30 40"},
        // Each line moves to its start: other readers than Windows leave the
        // current position at a polygon's first corner.
        {"line 0 0 10 10; poly 0 0 5 0 5 5; line 10 10 20 0", MOVETOEX, 8, "10 10"},
        {pens, EXTCREATEPEN, 28, "0x10000 12"}, // geometric, solid, round; 4 units at 3x
        {pens, SETROP2, 8, "10"},
        {"pen 1; line 0 0 5 5", CREATEPEN, 16, "0 0"},         // one device pixel: cosmetic
        {"pen 3; line 0 0 5 5", CREATEPEN, 16, "3 0"},         // square: no geometric pen
        {"round 5; line 10 10 20 10", HEADER, 8, "7 7 23 13"}, // an odd width rounds up
        {"winding; poly 0 0 10 10 20 0", SETPOLYFILLMODE, 8, "2"},
        {pens, SELECTOBJECT, 8, "0x80000005"}, // the hollow brush
        {pens, SELECTOBJECT, 8, "0x80000008"}, // the null pen
        {figures, ROUNDRECT, 8, "100 200 110 220 4 6"},
        {figures, ARC, 8, "90 190 110 230 110 210 110 210"}, // box, start, end
        {figures, POLYBEZIER16, 28, "i16 100 200 105 160 110 240 115 200"},
        {figures, SETPIXELV, 8, "107 208 0xc00000"},
        {figures, HEADER, 8, "90 160 115 240"},
        {huge, POLYGON, 28, "0 0 40000 0 0 -40000"},
        {"poly 0 0 10 40000 20 0", POLYGON, 28, "0 0 10 40000 20 0"}, // y too large for 16 bits
        {huge, HEADER, 8,
         "0x80000000 0x80000000 0x7fffffff 0x7fffffff 0x80000000 0x80000000 0x7fffffff 0x7fffffff"},
        // Bold italic, charset 0; TrueType, clipping, quality, fixed-pitch modern.
        {text, CREATEFONT, 12, "10 6 0 0 700 1 0x31003004"},
        {text, SETBKMODE, 8, "1"},
        {text, EXTTEXTOUTW, 24, "1"},                       // compatible graphics mode
        {text, EXTTEXTOUTW, 72, "84 0x20ac00e8 120 6 6 6"}, // UTF-16, then the advances
        {text, CREATEFONT, 40, "i16 67 111 117 114 105 101 114 32 78 101 119"}, // Courier New
        {text, HEADER, 8, "5 7 22 39"},
        {"text 0 0 \x9F", EXTTEXTOUTW, 76, "i16 376"}, // Windows-1252's last special byte
        {"textcolor 0xff; text 0 0 a; textcolor 0xff00; text 0 9 a", SETTEXTCOLOR, 8, "0xff00"},
        {"font 10 6 -900; text 0 0 a", CREATEFONT, 20, "2700"},
        {turned, CREATEFONT, 20, "900"},
        {turned, MODIFYWORLDTRANSFORM, 8, "0xbf800000 0 0 0x3f800000 0x44160000 0 2"},
        {turned, MODIFYWORLDTRANSFORM, 32, "1"},
        {turned, EXTTEXTOUTW, 8, "277 100 300 109"},
        {turned, EXTTEXTOUTW, 24, "2"}, // advanced: the glyphs follow the reflection
        {turned, SAVEDC, 4, "8"},       // the mirrored text in a state of its own
        {turned, RESTOREDC, 8, "-1"},
        {turned, HEADER, 8, "100 76 300 109"},
    };
    for (const auto& c : cases) {
        const std::string e = Draw(c.script);
        const std::vector<Rec> recs = Walk(e);
        EXPECT_EQ(U32(e, 48), e.size()) << c.script;
        EXPECT_EQ(U32(e, 52), recs.size()) << c.script;
        EXPECT_TRUE(recs.back().type == EOF_ && recs.back().off + 20 == e.size()) << c.script;
        std::istringstream in(c.values);
        std::vector<std::uint32_t> want;
        const bool b16 = std::string(c.values).rfind("i16", 0) == 0;
        for (std::string v; in >> v;)
            if (v != "i16") want.push_back(std::uint32_t(std::stoll(v, nullptr, 0)));
        bool bFound = false;
        for (const Rec& r : recs) {
            std::vector<std::uint32_t> got;
            for (std::size_t k = 0; r.type == c.type && k < want.size(); ++k) {
                const std::uint32_t v = U32(e, r.off + c.off + k * (b16 ? 2 : 4));
                got.push_back(b16 ? std::uint32_t(std::int16_t(v & 0xFFFF)) : v);
            }
            bFound |= r.type == c.type && got == want;
        }
        EXPECT_TRUE(bFound) << c.script << " -> " << c.type << " at " << c.off << ": " << c.values;
    }
}

// An object is made only when a figure needs one unlike the one selected, is
// selected before the one it replaces is deleted, and takes a freed slot, so
// that the object table is as small as the most objects alive at once.
TEST(EmfRecords, ObjectsAreMadeWhenNeededAndDeletedOnlyOnceReplaced) {
    CRecordingSurface measure;
    CEmfSurface dc(measure);
    for (const COLORREF c : {RGB(1, 2, 3), RGB(1, 2, 3), RGB(4, 5, 6), RGB(1, 2, 3)}) {
        dc.SelectPen(CPen{c, 0, false, false});
        dc.SelectBrush(CBrush{false, c});
        dc.Rectangle(0, 0, 10, 10);
    }
    for (const int h : {10, 12}) {
        dc.SelectFont(CFontSpec{"*", h});
        dc.TextOut(0, 0, "a");
    }
    const std::string e = dc.Finish(kDescription);
    std::map<std::uint32_t, int> live; // handle -> kind: 0 pen, 1 brush, 2 font
    std::map<int, std::uint32_t> selected;
    std::vector<std::uint32_t> pens;
    std::size_t most = 0;
    for (const Rec& r : Walk(e)) {
        const std::uint32_t h = U32(e, r.off + 8);
        const int kind = r.type == CREATEPEN ? 0 : r.type == CREATEBRUSH ? 1 : 2;
        if (r.type == CREATEPEN || r.type == CREATEBRUSH || r.type == CREATEFONT) {
            EXPECT_TRUE(live.emplace(h, kind).second) << "slot " << h << " in use";
            most = std::max(most, live.size());
            if (kind == 0) pens.push_back(U32(e, r.off + 24));
        } else if (r.type == SELECTOBJECT) {
            const bool bStock = (h & 0x80000000u) != 0;
            EXPECT_TRUE(bStock || live.count(h)) << h;
            selected[bStock ? (h == 0x80000008u ? 0 : 1) : live[h]] = h;
        } else if (r.type == DELETEOBJECT) {
            EXPECT_TRUE(live.count(h) && selected[live[h]] != h) << "deleting " << h;
            live.erase(h);
        }
    }
    EXPECT_EQ(pens, (std::vector<std::uint32_t>{0x030201, 0x060504, 0x030201}));
    EXPECT_EQ(U32(e, 56) & 0xFFFF, most + 1); // slot 0 is the metafile's own
}

// A name's extension never contradicts what is written: one the mode cannot
// write is refused. Modes: 0 relative, 1 absolute, 2 metafile.
TEST(PictureTypes, TheNameOrTheTypeChoosesTheFormat) {
    const struct {
        int nMode, nType;
        const char* name;
        PictureFormat format;
        const char* written;
        const char* refusal;
    } cases[] = {
        {1, 1, "disegno", PICTURE_PNG, "disegno.png", ""},
        {0, 2, "disegno", PICTURE_BMP, "disegno.bmp", ""}, // "Tutti i file": the mode's own
        {2, 3, "disegno", PICTURE_EMF, "disegno.emf", ""},
        {2, 2, "disegno", PICTURE_PDF, "disegno.pdf", ""},
        {1, 0, "disegno.PNG", PICTURE_PNG, "disegno.PNG", ""}, // the extension wins
        {0, 2, "disegno.SVG", PICTURE_BMP, "disegno.SVG",
         "Un file .svg non si puo' salvare in questa modalita': usare .bmp o .png, oppure "
         "scegliere la modalita' \"Enhanced Metafile\"."},
        {2, 0, "disegno.bmp", PICTURE_BMP, "disegno.bmp",
         "Un file .bmp non si puo' salvare in questa modalita': usare .emf, .svg o .pdf, oppure "
         "scegliere la modalita' relativa o assoluta."},
        {2, 9, "disegno.txt", PICTURE_BMP, "disegno.txt",
         "Il formato .txt non e' supportato: usare .emf, .svg o .pdf."},
    };
    for (const auto& c : cases) {
        const CPictureChoice choice = ChoosePictureFormat(c.nMode, c.nType, c.name);
        EXPECT_EQ(choice.refusal + " -> " + choice.name,
                  c.refusal + std::string(" -> ") + c.written);
        EXPECT_TRUE(!choice.refusal.empty() || choice.nFormat == c.format) << c.name;
    }
}

namespace {
// A band that draws nothing and answers each row with its row number in the
// whole bitmap, so that the file's row order can be checked.
class CNumberedBand final : public IRasterBand {
  public:
    explicit CNumberedBand(int w) : m_nWidth(w) {}
    CSurface& Surface() override { return m_dc; }
    void Clear() override {}
    void ReadMonoRow(int y, std::uint8_t* bits) const override {
        const int row = y - m_dc.GetViewportOrg().y;
        std::memset(bits, row, std::size_t(m_nWidth + 15) / 16 * 2);
    }
    int m_nWidth;
    CRecordingSurface m_dc;
};

const RasterBandFactory kNumbered = [](int w, int) { return std::make_unique<CNumberedBand>(w); };
const std::string kPath = testing::TempDir() + "export_test.bmp";
} // namespace

TEST(BitmapGeometry, AbsoluteRelativeAndLargest) {
    // Mode, DPI, microns a unit, units wide and high -> viewport, width, height,
    // pixels a metre, bytes a row, padded. 100 * 600 * 127 / 25600; 4 pixels a
    // unit of 2500.
    const std::int64_t cases[][11] = {
        {EXPORT_ABSOLUTE, 600, 127, 100, 50, 7441, 297, 148, 23622, 38, 40},
        {EXPORT_RELATIVE, 600, 127, 100, 50, 10000, 400, 200, 0, 50, 52},
        {EXPORT_ABSOLUTE, 2400, 1000, 2510, 2510, 234375, 235312, 235312, 94488, 29414, 29416},
    };
    for (const auto& c : cases) {
        const CExportOptions o{int(c[0]), 400, int(c[1]), int(c[2]), {}};
        const CBitmapGeometry g = ComputeBitmapGeometry(o, int(c[3]), int(c[4]));
        EXPECT_EQ((std::vector<std::int64_t>{g.nViewport, g.nWidth, g.nHeight, g.nPixelsPerMetre,
                                             g.nRowBytes, g.nPaddedRowBytes}),
                  std::vector<std::int64_t>(c + 5, c + 11));
    }
}

// Rows bottom up through the bands, each padded with zeros to four bytes (Qt's
// reader checks the header and the palette); a hidden layer does not count in
// the extent; a huge picture is refused, not attempted.
TEST(BitmapExport, RowsBottomUpAndPadded) {
    CLibraryState library;
    const struct {
        const char* drawing;
        int nZoom;
        ExportResult result;
        int nHeight, nUsed, nPadded;
    } cases[] = {
        {"RP 0 0 100 150", 200, EXPORT_OK, 320, 28, 28}, // 110 x 160 units, more than a band
        {"RP 0 0 1 1", 100, EXPORT_OK, 11, 2, 4},
        {"RP -100 -100 10 10 3\r\nLI 0 0 50 50", 100, EXPORT_OK, 70, 10, 12}, // RP hidden
        {"LI -2000000000 0 2000000000 0", 100, EXPORT_BITMAP_ERROR, 0, 0, 0},
    };
    for (const auto& c : cases) {
        CFakeUi ui;
        CSchemoDoc doc(DOC_DRAWING, &ui, library.context);
        ASSERT_TRUE(doc.Load(std::string("[TAVOLIN]\r\n") + c.drawing + "\r\n"));
        CExportOptions o{EXPORT_RELATIVE, c.nZoom, 600, 127, {}};
        o.layers.m_bLayerShow[3] = 0;
        std::filesystem::remove(kPath);
        ASSERT_EQ(ExportBitmap(doc, o, kPath, kNumbered), c.result);
        const std::string f = ReadFile(kPath);
        ASSERT_EQ(f.size(), c.nHeight ? 62u + std::size_t(c.nHeight * c.nPadded) : 0) << c.drawing;
        for (int row = 0; row < c.nHeight; ++row)
            ASSERT_EQ(f.substr(62 + std::size_t(row * c.nPadded), c.nPadded),
                      std::string(c.nUsed, char(c.nHeight - 1 - row)) +
                          std::string(c.nPadded - c.nUsed, '\0'))
                << c.drawing << " row " << row;
    }
}
