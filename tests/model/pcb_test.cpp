// PCB tracks and pads.
#include "../test_util.h"
#include "model/pcbline.h"
#include "model/pcbpad.h"
#include "model/prototypes.h"
#include "model/recording_surface.h"

class Pcb : public ::testing::Test {
protected:
    void SetUp() override { ResetPrototypes(); }
    void TearDown() override { ResetPrototypes(); }
    CRecordingSurface dc;
};

TEST_F(Pcb, PadRotationSwapsItsSizes) {
    auto p = Read("PA 0 0 20 10 4 1");
    p->Rotate(0, 0, false);
    EXPECT_EQ(Written(*p), "PA 0 0 10 20 4 1\r\n");
    p->Rotate(0, 0, true);
    EXPECT_EQ(Written(*p), "PA 0 0 20 10 4 1\r\n");
}

TEST_F(Pcb, PadDrawsItsBodyThenTheHoleInTheBackgroundColour) {
    auto p = Read("PA 100 100 18 10 4 2 1");
    p->Draw(dc, false, 0xFFFFFF, 0xC00000, 0x0000FF, 200, -1, false);
    ASSERT_EQ(dc.m_calls.size(), 2u);
    EXPECT_EQ(dc.m_calls[0], "roundrect 182,190 218,210 18x10 rop=13 pen=c00000/0 brush=c00000");
    EXPECT_EQ(dc.m_calls[1], "ellipse 196,196 204,204 rop=13 pen=c00000/0 brush=ffffff");
    EXPECT_EQ(dc.GetBrush().bHollow, true);
}

TEST_F(Pcb, TrackDrawsWithAScaledRoundPen) {
    auto t = Read("PL 0 0 10 0 3");
    t->Draw(dc, false, 0xFFFFFF, 0xC00000, 0x0000FF, 200, -1, false);
    EXPECT_EQ(dc.m_calls[0], "line 0,0 20,0 rop=13 pen=c00000/6 brush=none");
    EXPECT_EQ(dc.m_calls[1], "pixel 20,0 c00000");
}

TEST_F(Pcb, RegionsKeepAMinimumBandAndFollowThePadShape) {
    auto t = Read("PL 0 0 100 0 40");
    t->UpdateRegion(dc);
    EXPECT_TRUE(t->GetRegion()->PtInRegion(50, 19));
    EXPECT_FALSE(t->GetRegion()->PtInRegion(50, 21));
    auto round = Read("PA 0 0 20 20 4 0");
    round->UpdateRegion(dc);
    EXPECT_TRUE(round->GetRegion()->PtInRegion(0, 10));
    EXPECT_FALSE(round->GetRegion()->PtInRegion(-10, -10));
    auto square = Read("PA 0 0 20 20 4 1");
    square->UpdateRegion(dc);
    EXPECT_TRUE(square->GetRegion()->PtInRegion(-11, -11));
    EXPECT_EQ(square->GetDrawPriority(), 5);
}
