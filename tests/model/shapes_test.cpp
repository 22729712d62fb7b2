// Rectangles, ellipses and polygons: commands, the "Filled" property and its
// prototype, regions and drawing.
#include "../test_util.h"
#include "model/ellipse.h"
#include "model/poly.h"
#include "model/prototypes.h"
#include "model/recording_surface.h"
#include "model/rectangle.h"

class Shapes : public ::testing::Test {
protected:
    void SetUp() override { ResetPrototypes(); }
    void TearDown() override { ResetPrototypes(); }
    CRecordingSurface dc;
};

TEST_F(Shapes, PolygonClosesOnARepeatedClickFromTheFourthVertex) {
    CPoly p(0, 0, -1, -1, -1, -1, false);
    EXPECT_EQ(p.GetPointCount(), 10);
    p.SetPoint(1, 10, 0, true);
    p.SetPoint(2, 10, 10, true);
    p.SetPoint(2, 10, 10, true); // third vertex clicked twice: still open
    EXPECT_EQ(p.GetPointCount(), 10);
    p.SetPoint(3, 10, 10, true); // fourth click on the third vertex closes
    EXPECT_EQ(p.GetPointCount(), 3);
    EXPECT_EQ(Written(p), "PV 0 0 10 0 10 10\r\n");
}

TEST_F(Shapes, FilledPropertyAcceptsSiAndNoAndUpdatesThePrototype) {
    auto r = Read("RV 0 0 10 10 2");
    std::string value;
    EXPECT_FALSE(r->SetProperty("Riempito", "Si"));
    EXPECT_TRUE(r->GetProperty("Filled", value));
    EXPECT_EQ(value, "No");
    EXPECT_TRUE(r->SetProperty("Filled", "Si"));
    EXPECT_EQ(Written(*r), "RP 0 0 10 10 2\r\n");
    // The next rectangle made with the mouse is filled; ellipses are not.
    EXPECT_EQ(CRectangle(1, 1, -1, -1, false).m_bFilled, 1);
    EXPECT_EQ(CEllipse(1, 1, -1, -1, false).m_bFilled, 0);
    auto e = Read("EP 0 0 10 10");
    e->SetProperty("Filled", "No");
    EXPECT_EQ(CEllipse(1, 1, -1, -1, false).m_bFilled, 0);
    auto pp = Read("PP 0 0 10 0 10 10");
    pp->SetProperty("Filled", "Si");
    EXPECT_EQ(CPoly(0, 0, -1, -1, -1, -1, false).m_bFilled, 1);
}

TEST_F(Shapes, OutlineRegionsAreBandsFilledRegionsAreAreas) {
    auto outline = Read("RV 0 0 100 100");
    auto filled = Read("RP 0 0 100 100");
    outline->UpdateRegion(dc);
    filled->UpdateRegion(dc);
    EXPECT_TRUE(outline->GetRegion()->PtInRegion(2, 50));
    EXPECT_FALSE(outline->GetRegion()->PtInRegion(50, 50));
    EXPECT_TRUE(filled->GetRegion()->PtInRegion(50, 50));
}

TEST_F(Shapes, EllipseRegionsDependOnSizeAndFill) {
    auto narrow = Read("EV 0 0 8 100"); // under 10 wide: the whole box
    narrow->UpdateRegion(dc);
    EXPECT_TRUE(narrow->GetRegion()->PtInRegion(0, 1));
    auto filled = Read("EP 0 0 100 100");
    filled->UpdateRegion(dc);
    EXPECT_TRUE(filled->GetRegion()->PtInRegion(50, 50));
    EXPECT_FALSE(filled->GetRegion()->PtInRegion(2, 2));
    auto outline = Read("EV 0 0 100 60");
    outline->UpdateRegion(dc);
    EXPECT_FALSE(outline->GetRegion()->PtInRegion(50, 30));
    EXPECT_TRUE(outline->GetRegion()->PtInRegion(1, 30));
    EXPECT_TRUE(outline->GetRegion()->PtInRegion(99, 30));
    EXPECT_TRUE(outline->GetRegion()->PtInRegion(50, 1));
}

TEST_F(Shapes, PolygonRegions) {
    auto flat = Read("PV 0 0 100 5 50 0"); // under 10 high: its box
    flat->UpdateRegion(dc);
    EXPECT_EQ(flat->GetRegion()->GetRgnBox(), (CRect{0, 0, 100, 5}));
    auto tri = Read("PP 0 0 100 0 0 100");
    tri->UpdateRegion(dc);
    EXPECT_TRUE(tri->GetRegion()->PtInRegion(20, 20));
    EXPECT_FALSE(tri->GetRegion()->PtInRegion(80, 80));
    auto edge = Read("PV 0 0 100 0 0 100");
    edge->UpdateRegion(dc);
    EXPECT_FALSE(edge->GetRegion()->PtInRegion(20, 20));
    EXPECT_TRUE(edge->GetRegion()->PtInRegion(50, 50)); // on the slanted edge
}

TEST_F(Shapes, DrawingUsesPenBrushAndScaledCorners) {
    auto r = Read("RP 10 20 30 40");
    r->Draw(dc, false, 0xFFFFFF, 0x123456, 0x0000FF, 50, -1, false);
    EXPECT_EQ(dc.m_calls[0], "polygon 5,10 5,20 15,20 15,10 rop=13 pen=123456/0 brush=123456");
    dc.m_calls.clear();
    r->Draw(dc, true, 0xFFFFFF, 0x123456, 0x0000FF, 100, -1, false);
    EXPECT_EQ(dc.m_calls[0], "polygon 10,20 10,40 30,40 30,20 rop=10 pen=123456/0 brush=none");
    dc.m_calls.clear();
    auto e = Read("EV 0 0 10 10");
    e->SetSelected(true);
    e->Draw(dc, false, 0xFFFFFF, 0x123456, 0x0000FF, 100, -1, false);
    EXPECT_EQ(dc.m_calls[0], "ellipse 0,0 10,10 rop=13 pen=0000ff/0 brush=none");
}

TEST_F(Shapes, PolygonRubberBandClosesWhatWasClicked) {
    CPoly p(0, 0, 10, 0, 10, 10, false);
    p.SetPoint(3, 0, 10, true);
    p.Draw(dc, true, 0, 0, 0, 100, -1, false);
    // Four edges round the clicked vertices, then the extra line from vertex 2.
    ASSERT_EQ(dc.m_calls.size(), 5u);
    EXPECT_EQ(dc.m_calls[3].substr(0, 16), "line 0,10 0,0 ro");
    EXPECT_EQ(dc.m_calls[4].substr(0, 17), "line 10,10 0,0 ro");
}

TEST_F(Shapes, RotatedRectangleStaysAxisParallel) {
    auto r = Read("RV 0 0 20 10");
    r->Rotate(0, 0, false);
    EXPECT_EQ(Written(*r), "RV 0 0 -10 20\r\n");
    r->Mirror(0);
    EXPECT_EQ(Written(*r), "RV 0 0 10 20\r\n");
}
