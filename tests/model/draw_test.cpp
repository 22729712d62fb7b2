// What each kind of primitive draws on the recording surface, and the region it
// is picked by.
#include "model/bezier.h"
#include "support/core_test.h"

namespace {
std::string Calls(const CRecordingSurface& dc) {
    std::string out;
    for (const std::string& c : dc.m_calls)
        out += (out.empty() ? "" : " | ") + c;
    return out;
}
} // namespace

// Colour 0x123456, selection 0x0000FF, background white.
TEST(Draw, EveryKindDrawsItsFiguresAndPutsTheSurfaceBack) {
    // clang-format off
    const struct { const char* line; bool selected, xorBand; int zoom; std::string calls; } rows[] = {
        {"LI 10 20 30 40", false, false, 200, "line 20,40 60,80 rop=13 pen=123456/0 brush=none | pixel 60,80 123456"},
        {"LI 0 0 5 5", true, false, 100, // the end pixel keeps the colour
         "line 0,0 5,5 rop=13 pen=0000ff/0 brush=none | pixel 5,5 123456"},
        {"LI 0 0 5 5", true, true, 100, "line 0,0 5,5 rop=10 pen=123456/0 brush=none | pixel 5,5 123456"},
        {"LI -3 3 2147483647 7", false, false, 50, // toward zero
         "line -1,1 1073741823,3 rop=13 pen=123456/0 brush=none | pixel 1073741823,3 123456"},
        {"LI -3 3 2147483647 7", false, false, 2000, // pinned
         "line -60,60 2147483647,140 rop=13 pen=123456/0 brush=none | pixel 2147483647,140 123456"},
        {"SA 40 10", false, false, 200, "ellipse 78,18 82,22 rop=13 pen=123456/0 brush=123456"},
        {"SA 40 10", false, true, 200, "arc 39,9 41,11 rop=10 pen=123456/0 brush=none"},
        {"BE 0 0 10 0 10 10 0 10", false, false, 200, "bezier 0,0 20,0 20,20 0,20 rop=13 pen=123456/0 brush=none"},
        {"RP 10 20 30 40", false, false, 50, "polygon 5,10 5,20 15,20 15,10 rop=13 pen=123456/0 brush=123456"},
        {"RP 10 20 30 40", false, true, 100, "polygon 10,20 10,40 30,40 30,20 rop=10 pen=123456/0 brush=none"},
        {"EV 0 0 10 10", true, false, 100, "ellipse 0,0 10,10 rop=13 pen=0000ff/0 brush=none"},
        {"PP 0 0 10 0 10 10", false, false, 100, "polygon 0,0 10,0 10,10 rop=13 pen=123456/0 brush=123456"},
        {"PL 0 0 10 0 3", false, false, 200, "line 0,0 20,0 rop=13 pen=123456/6 brush=none | pixel 20,0 123456"},
        {"PA 100 100 18 10 4 2 1", false, false, 200,
         "roundrect 182,190 218,210 18x10 rop=13 pen=123456/0 brush=123456 | "
         "ellipse 196,196 204,204 rop=13 pen=123456/0 brush=ffffff"},
        {"TY 10 20 5 3 90 9 0 Mono t", false, false, 200, "text 20,40 \"t\" esc=900"},
        {"TY 10 20 5 3 0 4 0 * t", false, false, 100, "mirrored-text 10,20 \"t\""},
        {"TY 100 50 5 3 90 0 0 * abcd", false, true, 200, // 10 and 24 times sin(90 deg) truncate
         "polygon 200,100 209,100 209,77 200,77 rop=10 pen=123456/0 brush=none"},
        {"TY 10 20 5 3 0 4 0 * t", false, true, 100, // the box only
         "polygon 10,20 10,25 7,25 7,20 rop=10 pen=123456/0 brush=none"},
    };
    // clang-format on
    for (const auto& r : rows) {
        CRecordingSurface dc;
        auto p = Read(r.line);
        ASSERT_TRUE(p) << r.line;
        p->SetSelected(r.selected);
        p->UpdateRegion(dc);
        const CRect box = p->GetRegion()->GetRgnBox();
        EXPECT_EQ(p->Draw(dc, r.xorBand, 0xFFFFFF, 0x123456, 0x0000FF, r.zoom, -1, false), 0);
        EXPECT_EQ(Calls(dc), r.calls) << r.line << " zoom " << r.zoom;
        // Nothing of the drawing is left behind: not on the surface, not in the
        // measures the region is made from.
        EXPECT_TRUE(dc.GetROP2() == R2_COPYPEN && dc.GetBrush().bHollow &&
                    dc.GetFont().nHeight == 0)
            << r.line;
        p->UpdateRegion(dc);
        EXPECT_EQ(p->GetRegion()->GetRgnBox(), box) << r.line;
    }
}

// Figures still being placed.
TEST(Draw, UnfinishedFiguresDrawWhatIsClicked) {
    CRecordingSurface dc;
    EXPECT_TRUE(CLine(0, 0, -1, -1, false).Draw(dc, false, 0, 0, 0, 100, -1, false) == -1 &&
                dc.m_calls.empty());
    const CPoint pts[4] = {{0, 0}, {10, 0}, POINT_UNSET, POINT_UNSET};
    CBezier b(pts, false); // the control polygon, unscaled
    b.Draw(dc, true, 0, 0, 0, 200, -1, false);
    EXPECT_EQ(Calls(dc), "line 0,0 10,0 rop=10 pen=000000/0 brush=none");
    dc.m_calls.clear();
    CPoly p(0, 0, 10, 0, 10, 10, false); // the clicked edges closed, and the one to the pointer
    p.SetPoint(3, 0, 10, true);
    p.Draw(dc, true, 0, 0, 0, 100, -1, false);
    ASSERT_EQ(dc.m_calls.size(), 5u);
    EXPECT_EQ(dc.m_calls[3].substr(0, 16) + dc.m_calls[4].substr(0, 16),
              "line 0,10 0,0 roline 10,10 0,0 r");
}

// Thin figures are picked through a band of ten pixels (two units at least),
// filled ones through their area.
TEST(PickRegion, EachKindIsPickedWhereItIsDrawn) {
    // clang-format off
    const struct { const char* line; int pixelsPerUnit; std::vector<CPoint> in, out; } rows[] = {
        {"LI 0 0 100 0", 1, {{50, 4}, {50, -5}}, {{50, 6}}},
        {"LI 0 0 100 100", 1, {{50, 50}}, {{80, 20}}},
        {"LI 0 0 100 0", 10, {{50, 0}, {50, -1}}, {{50, 1}}},
        {"SA 10 10", 50, {{9, 9}, {10, 10}}, {{11, 10}, {8, 10}}},
        {"BE 0 0 0 100 100 100 100 0", 1, {{50, 75}, {1, 1}, {99, 1}}, {{50, 0}}},
        {"RV 0 0 100 100", 1, {{2, 50}}, {{50, 50}}},
        {"RP 0 0 100 100", 1, {{50, 50}}, {{101, 50}}},
        {"EV 0 0 8 100", 1, {{0, 1}}, {}}, // under 10 wide: the whole box
        {"EV 0 0 100 60", 1, {{1, 30}, {99, 30}, {50, 1}}, {{50, 30}}},
        {"EP 0 0 100 100", 1, {{50, 50}}, {{2, 2}}},
        {"PV 0 0 100 5 50 0", 1, {{1, 4}, {99, 4}}, {{100, 2}, {50, 5}}}, // flat: its box
        {"PP 0 0 100 0 0 100", 1, {{20, 20}}, {{80, 80}}},
        {"PV 0 0 100 0 0 100", 1, {{50, 50}}, {{20, 20}}},
        {"PL 0 0 100 0 40", 1, {{50, 19}}, {{50, 21}}},
        {"PA 0 0 20 20 4 0", 1, {{0, 10}}, {{-10, -10}}},
        {"PA 0 0 20 20 4 1", 1, {{-11, -11}}, {{-12, 0}}},
        {"TY 100 50 5 3 0 0 0 * abcd", 1, {{100, 50}, {111, 54}}, {{112, 54}, {111, 55}}},
    };
    // clang-format on
    for (const auto& r : rows) {
        CRecordingSurface dc;
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetViewportExt(r.pixelsPerUnit, r.pixelsPerUnit);
        auto p = Read(r.line);
        ASSERT_TRUE(p) << r.line;
        p->UpdateRegion(dc);
        for (const bool inside : {true, false})
            for (const CPoint& q : inside ? r.in : r.out)
                EXPECT_EQ(p->GetRegion()->PtInRegion(q.x, q.y), inside)
                    << r.line << " " << q.x << "," << q.y;
    }
}
