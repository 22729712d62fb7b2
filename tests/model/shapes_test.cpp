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

TEST_F(Shapes, RectangleAndEllipseCommands) {
    EXPECT_EQ(Normalised("RP 10 20 50 60"), "RP 10 20 50 60\r\n");
    EXPECT_EQ(Normalised("rv 10 20 50 60 3"), "RV 10 20 50 60 3\r\n");
    EXPECT_EQ(Normalised("EV 50 60 10 20"), "EV 50 60 10 20\r\n"); // corners not normalised
    EXPECT_EQ(Normalised("EP 1 2 3 4 15"), "EP 1 2 3 4 15\r\n");
    EXPECT_EQ(Normalised("RV 1 2 3"), "RV 1 2 3 -1\r\n");
    EXPECT_EQ(Normalised("EV 1 2"), "<rejected>");
}

TEST_F(Shapes, PolygonCountsDecideTheLayer) {
    EXPECT_EQ(Normalised("PV 0 0 10 0 10 10 5"), "PV 0 0 10 0 10 10 5\r\n");
    EXPECT_EQ(Normalised("PV 0 0 10 0 10 10"), "PV 0 0 10 0 10 10\r\n");
    const std::string ten = " 0 0 1 0 2 0 3 0 4 0 5 5 4 9 3 9 2 9 1 9";
    EXPECT_EQ(Normalised("PP" + ten + " 7"), "PP" + ten + " 7\r\n");
    EXPECT_EQ(Normalised("PP" + ten + " 7 8 9"), "PP" + ten + " 7\r\n");
    auto p = Read("PP" + ten);
    EXPECT_EQ(p->GetPointCount(), 10);
    EXPECT_EQ(p->GetLayer(), 0);
}

TEST_F(Shapes, PolygonWithoutVerticesIsRejectedAndShortOnesSurviveARewrite) {
    EXPECT_EQ(Normalised("PV"), "<rejected>");
    EXPECT_EQ(Normalised("PV 7"), "<rejected>");
    EXPECT_EQ(Normalised("PP x"), "<rejected>");
    // One or two vertices: written as read, so the file reads back the same.
    EXPECT_EQ(Normalised("PV 1 2 3 4"), "PV 1 2 3 4\r\n");
    EXPECT_EQ(Normalised("PV 5 6 7"), "PV 5 6 7\r\n");
    EXPECT_EQ(Normalised(Normalised("PV 5 6 7")), "PV 5 6 7\r\n");
    EXPECT_EQ(Normalised("PV 0 0 -1 -1 5 5"), "<rejected>");
}

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
    std::string name, choices, value;
    ASSERT_TRUE(r->GetPropertyDescription(0, name, choices));
    EXPECT_EQ(name, "Filled");
    EXPECT_EQ(choices, "(Si No)");
    EXPECT_FALSE(r->GetPropertyDescription(1, name, choices));
    EXPECT_FALSE(r->SetProperty("Filled", "si"));
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
