// Extended texts: the three reading forms, the one writing form, properties,
// rotation, mirroring, the text box and drawing.
#include "../test_util.h"
#include "model/prototypes.h"
#include "model/recording_surface.h"
#include "model/text.h"

class Text : public ::testing::Test {
protected:
    void SetUp() override { ResetPrototypes(); }
    void TearDown() override { ResetPrototypes(); }
    static CExtendedText& AsText(std::unique_ptr<CPrimitive>& p) {
        return *static_cast<CExtendedText*>(p.get());
    }
    CRecordingSurface dc;
};

TEST_F(Text, TyReadsTheFaceAndTextWithBlanks) {
    auto p = Read("TY 10 20 5 3 0 0 2 Courier++New Hello world");
    ASSERT_TRUE(p);
    EXPECT_EQ(AsText(p).m_strFont, "Courier New");
    auto blanks = Read("TY 0 0 5 3 0 0 0 * a  b  ");
    EXPECT_EQ(AsText(blanks).m_strText, "a  b  ");
}

TEST_F(Text, AWrittenLineAlwaysReadsBackTheSame) {
    CExtendedText t(5, 5, "one\r\nLI 1 2 3 4"); // a typed text may hold a line break
    t.m_strFont = "";
    EXPECT_EQ(Written(t), "TY 5 5 5 3 0 0 0 * one\r\n");
    EXPECT_EQ(Normalised(Written(t)), Written(t));
}

TEST_F(Text, RotationAdjustsTheAngleMirroringFlipsTheSense) {
    auto p = Read("TY 10 0 5 3 0 0 0 * t");
    p->Rotate(0, 0, false);
    EXPECT_EQ(Written(*p), "TY 0 10 5 3 270 0 0 * t\r\n");
    p->Rotate(0, 0, true);
    p->Rotate(0, 0, true);
    EXPECT_EQ(AsText(p).m_nAngle, 90);
    auto q = Read("TY 0 0 5 3 270 0 0 * t");
    q->Rotate(0, 0, true);
    EXPECT_EQ(Written(*q), "TY 0 0 5 3 360 0 0 * t\r\n");
    q->Mirror(10);
    EXPECT_EQ(Written(*q), "TY 20 0 5 3 360 4 0 * t\r\n");
    q->Rotate(0, 0, true); // mirrored: counter-clockwise lowers the angle
    EXPECT_EQ(AsText(q).m_nAngle, 270);
    q->Mirror(10);
    EXPECT_EQ(AsText(q).m_nStyle, 0u);
}

TEST_F(Text, HugeAnglesFromAFileAreBroughtIntoRangeAtOnce) {
    auto p = Read("TY 0 0 5 3 2147483647 0 0 * t");
    p->Rotate(0, 0, true);
    EXPECT_GT(AsText(p).m_nAngle, 0);
    EXPECT_LE(AsText(p).m_nAngle, 360);
    auto q = Read("TY 0 0 5 3 -2147483648 0 0 * t");
    q->Rotate(0, 0, false);
    EXPECT_GE(AsText(q).m_nAngle, 0);
    EXPECT_LT(AsText(q).m_nAngle, 360);
}

TEST_F(Text, TextBoxTurnsWithTheAngleAndMirrorsAboutTheAnchor) {
    CExtendedText t(100, 50, "abcd");
    CPoint c[4];
    t.GetTextBox(c, CSize{12, 5}, 100, false);
    EXPECT_EQ(c[1], (CPoint{100, 55}));
    EXPECT_EQ(c[2], (CPoint{112, 55}));
    EXPECT_EQ(c[3], (CPoint{112, 50}));
    t.m_nAngle = 90;
    t.GetTextBox(c, CSize{12, 5}, 200, false);
    EXPECT_EQ(c[0], (CPoint{200, 100}));
    EXPECT_EQ(c[1], (CPoint{204, 100})); // 5 * sin(90 deg, pi = 3.1416) truncates to 4
    EXPECT_EQ(c[3], (CPoint{200, 89})); // 12 * sin truncates to 11
    t.m_nAngle = 0;
    t.m_nStyle = STYLE_MIRRORED;
    t.GetTextBox(c, CSize{12, 5}, 100, false);
    EXPECT_EQ(c[2], (CPoint{88, 55}));
    t.GetTextBox(c, CSize{12, 5}, 100, true);
    EXPECT_EQ(c[2], (CPoint{112, 55}));
}

TEST_F(Text, RegionIsTheMeasuredBox) {
    auto p = Read("TY 100 50 5 3 0 0 0 * abcd"); // 4 characters 3 wide, 5 high
    p->UpdateRegion(dc);
    EXPECT_EQ(p->GetRegion()->GetRgnBox(), (CRect{100, 50, 112, 55}));
}

TEST_F(Text, DrawingSelectsTheZoomedFontAndRestoresEverything) {
    auto p = Read("TY 10 20 5 3 90 9 0 Mono t");
    p->Draw(dc, false, 0xFFFFFF, 0x112233, 0x0000FF, 200, -1, false);
    ASSERT_EQ(dc.m_calls.size(), 1u);
    EXPECT_EQ(dc.m_calls[0], "text 20,40 \"t\" esc=900");
    EXPECT_EQ(AsText(p).m_font.nHeight, 5); // back at zoom 100
    EXPECT_EQ(dc.GetFont().nHeight, 0);
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    auto m = Read("TY 10 20 5 3 0 4 0 * t");
    dc.m_calls.clear();
    m->Draw(dc, false, 0xFFFFFF, 0, 0, 100, -1, false);
    EXPECT_EQ(dc.m_calls[0], "mirrored-text 10,20 \"t\"");
    dc.m_calls.clear();
    m->Draw(dc, true, 0xFFFFFF, 0, 0, 100, -1, false); // rubber band: the box only
    EXPECT_EQ(dc.m_calls[0].substr(0, 32), "polygon 10,20 10,25 7,25 7,20 ro");
}
