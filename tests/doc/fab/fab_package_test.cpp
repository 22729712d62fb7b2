// Which layer becomes which file, and what the set refuses.
#include "doc/fab/fab_package.h"
#include "doc/fab/glyph_outlines.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"
#include "model/rectangle.h"
#include "support/core_test.h"

namespace {
// A text's glyphs: one square of the text's height at its anchor.
class CSquareGlyphs final : public IGlyphOutlines {
  public:
    std::vector<std::vector<CPointD>> Outlines(const CExtendedText& t) override {
        const double x = t.m_points[0].x, y = t.m_points[0].y, h = t.m_nHeight;
        return {{{x, y}, {x + h, y}, {x + h, y + h}, {x, y + h}}};
    }
};

const CFabHeader kHeader{"1.0", {2026, 12, 8, 13, 5, 0}};

template <class T> T& Add(CPrimitiveList& list, std::unique_ptr<T> p, int nLayer) {
    p->SetLayer(nLayer);
    list.push_back(std::move(p));
    return static_cast<T&>(*list.back());
}

CPCBPad& AddPad(CPrimitiveList& list, int x, int y, int nLayer, int nHole = 3) {
    auto pad = std::make_unique<CPCBPad>();
    pad->m_points[0] = {x, y};
    pad->m_nHole = nHole;
    return Add(list, std::move(pad), nLayer);
}

std::string Listing(const CFabSet& set) {
    std::string out;
    for (const CFabFile& f : set.files)
        out += f.strName + (f.strFunction.empty() ? "" : " " + f.strFunction) +
               (f.bNegative ? " -" : "") + "\n";
    return out;
}

const CFabFile* Find(const CFabSet& set, const std::string& name) {
    for (const CFabFile& f : set.files)
        if (f.strName == name) return &f;
    return nullptr;
}

CFabSet Make(const CPrimitiveList& list, const CFabOptions& o = {}) {
    CSquareGlyphs glyphs;
    return MakeFabSet(list, "b", o, kHeader, glyphs);
}
} // namespace

TEST(FabPackage, LayersBecomeFilesAndPadsGoOnEveryCopperSide) {
    CPrimitiveList list;
    Add(list, std::make_unique<CPCBLine>(0, 0, 100, 0, false), FAB_LAYER_TOP);
    // A footprint's pad and silkscreen, inside a placed symbol.
    auto symbol = std::make_unique<CMacro>(0, 0);
    auto pad = std::make_unique<CPCBPad>();
    pad->m_points[0] = {100, 0};
    pad->SetLayer(FAB_LAYER_BOTTOM);
    symbol->m_components.push_back(std::move(pad));
    auto text = std::make_unique<CExtendedText>(10, 20, "U1");
    text->m_nHeight = 10;
    text->SetLayer(FAB_LAYER_LEGEND);
    symbol->m_components.push_back(std::move(text));
    list.push_back(std::move(symbol));
    AddPad(list, 100, 0, FAB_LAYER_TOP); // the same hole again
    AddPad(list, 0, 0, FAB_LAYER_TOP, 5);
    const CFabSet set = Make(list);
    ASSERT_EQ(set.result, FAB_OK);
    EXPECT_EQ(Listing(set), "b.GTL Copper,L1,Top\nb.GBL Copper,L2,Bot\nb.GTS Soldermask,Top -\n"
                            "b.GBS Soldermask,Bot -\nb.GTO Legend,Top\nb.GKO Profile,NP\n"
                            "b.DRL Plated,1,2,PTH\nb.gbrjob\n");
    EXPECT_NE(Find(set, "b.GTL")->strData.find("X0Y0D02*\nX12700000Y0D01*\n"), std::string::npos);
    EXPECT_EQ(Find(set, "b.GBL")->strData.find("D01*"), std::string::npos);
    EXPECT_NE(Find(set, "b.GTO")->strData.find("X1270000Y-2540000D02*\nX2540000Y-2540000D01*\n"),
              std::string::npos);
    const std::string& drill = Find(set, "b.DRL")->strData;
    EXPECT_NE(drill.find("METRIC\nT1C0.381\nT2C0.635\n%\nG05\nT1\nX12.7Y0\nT2\nX0Y0\nM30\n"),
              std::string::npos);
    // The profile: the box around everything (pads, track, text), 1 mm wider.
    EXPECT_TRUE(set.bOutlineAround);
    EXPECT_EQ(set.board.r - set.board.l, 12700000 + 1143000 + 2000000);
    const std::string& job = Find(set, "b.gbrjob")->strData;
    EXPECT_NE(job.find("\"Size\": {\"X\": 15.843, \"Y\": 6.4565},\n    \"LayerNumber\": 2"),
              std::string::npos);
    EXPECT_NE(job.find("{\"Path\": \"b.GBS\", \"FileFunction\": \"Soldermask,Bot\", "
                       "\"FilePolarity\": \"Negative\"}"),
              std::string::npos);
}

// The openings grow by the expansion on every side, finer than gerbv's picture
// shows; the pads' shapes themselves are left to that picture.
TEST(FabPackage, MaskOpeningsGrowByTheExpansion) {
    CPrimitiveList list;
    AddPad(list, 0, 0, FAB_LAYER_TOP);
    AddPad(list, 20, 0, FAB_LAYER_TOP).m_nPadStyle = PAD_SQUARE;
    AddPad(list, 40, 0, FAB_LAYER_TOP).m_nSizeX = 12;
    AddPad(list, 60, 0, FAB_LAYER_TOP).m_nPadStyle = PAD_ROUNDED;
    CFabOptions o;
    o.nMaskExpansion = 100000;
    const CFabSet set = Make(list, o);
    const std::string& mask = Find(set, "b.GTS")->strData;
    for (const char* grown : {"%ADD10C,1.343*%", "%ADD11R,1.343X1.343*%",
                              "%AMPAD12*\n4,1,40,0.862,0,", "%AMPAD13*\n4,1,40,0.6715,0.28575,"})
        EXPECT_NE(mask.find(grown), std::string::npos) << grown;
    EXPECT_EQ(mask.find("TA.AperFunction"), std::string::npos);
}

TEST(FabPackage, OneSidedBoardsOutlinesAndRefusals) {
    const struct {
        const char* name;
        void (*fill)(CPrimitiveList&, CFabOptions&);
        FabResult result;
        const char* listing;
    } kCases[] = {
        {"copper only on layer 1",
         [](CPrimitiveList& l, CFabOptions&) {
             Add(l, std::make_unique<CPCBLine>(0, 0, 9, 0, false), FAB_LAYER_BOTTOM);
         },
         FAB_OK, "b.GBL Copper,L1,Bot\nb.GBS Soldermask,Bot -\nb.GKO Profile,NP\nb.gbrjob\n"},
        {"only silkscreen",
         [](CPrimitiveList& l, CFabOptions&) {
             Add(l, std::make_unique<CLine>(0, 0, 9, 0, false), FAB_LAYER_LEGEND);
         },
         FAB_NO_COPPER, ""},
        {"a track 254 m away",
         [](CPrimitiveList& l, CFabOptions&) {
             Add(l, std::make_unique<CPCBLine>(0, 0, 2000000, 0, false), FAB_LAYER_TOP);
         },
         FAB_TOO_LARGE, ""},
        {"an outline of one line",
         [](CPrimitiveList& l, CFabOptions& o) {
             AddPad(l, 5, 5, FAB_LAYER_TOP);
             Add(l, std::make_unique<CLine>(0, 0, 9, 0, false), 5);
             o.nOutlineLayer = 5;
         },
         FAB_OUTLINE_OPEN, ""},
        {"an empty outline layer",
         [](CPrimitiveList& l, CFabOptions& o) {
             AddPad(l, 5, 5, FAB_LAYER_TOP);
             o.nOutlineLayer = 6;
         },
         FAB_OUTLINE_OPEN, ""},
        {"an outline of three lines and a rectangle",
         [](CPrimitiveList& l, CFabOptions& o) {
             AddPad(l, 5, 5, FAB_LAYER_TOP);
             Add(l, std::make_unique<CLine>(0, 0, 9, 0, false), 5);
             Add(l, std::make_unique<CLine>(9, 0, 0, 9, false), 5);
             Add(l, std::make_unique<CLine>(0, 9, 0, 0, false), 5);
             Add(l, std::make_unique<CRectangle>(20, 20, 30, 30, false), 5).m_bFilled = 1;
             o.nOutlineLayer = 5;
         },
         FAB_OK,
         "b.GTL Copper,L1,Top\nb.GTS Soldermask,Top -\nb.GKO Profile,NP\nb.DRL Plated,1,1,PTH\n"
         "b.gbrjob\n"},
    };
    for (const auto& c : kCases) {
        CPrimitiveList list;
        CFabOptions o;
        c.fill(list, o);
        const CFabSet set = Make(list, o);
        EXPECT_EQ(set.result, c.result) << c.name;
        EXPECT_EQ(Listing(set), c.listing) << c.name;
    }
}
