// The shared behaviour of every primitive: points, state, transforms, hit tests.
#include "model/bezier.h"
#include "support/core_test.h"

// The saved state holds the points, the orientation and the mirror flag; a
// clone has everything but the region; a polygon closes on a repeated click.
TEST(Primitive, PointsLayersTheSavedStateClonesAndClosingAPolygon) {
    CLine l;
    EXPECT_FALSE(l.IsComplete());
    l.SetPoint(0, 5, 5);
    l.SetPoint(1, -1, 7); // one coordinate -1 is an ordinary point
    l.SetPoint(2, 9, 9);
    l.SetPoint(-1, 9, 9);
    EXPECT_TRUE(l.IsComplete() && l.GetPoint(2) == POINT_UNSET && l.GetPoint(-1) == POINT_UNSET);
    EXPECT_TRUE(l.SetLayer(15) == 0 && l.SetLayer(16) == 15 && l.SetLayer(-1) == 15); // the old one
    l.m_nOrientation = 2;
    l.SaveState();
    l.Move(3, 4);
    l.m_nOrientation = 3;
    l.m_bMirrored = 1;
    l.RestoreState();
    EXPECT_EQ(Written(l), "LI 5 5 -1 7 15\r\n");
    EXPECT_EQ(std::make_pair(l.m_nOrientation, l.m_bMirrored), std::make_pair(2, 0));
    CRecordingSurface dc;
    l.SetSelected(true);
    l.UpdateRegion(dc);
    auto c = l.Clone();
    EXPECT_TRUE(c->IsSelected() && c->GetRegion()->IsEmpty() && Written(*c) == Written(l));
    CPoly p(0, 0, -1, -1, -1, -1, false);
    p.SetPoint(1, 10, 0, true);
    p.SetPoint(2, 10, 10, true);
    p.SetPoint(2, 10, 10, true); // third vertex clicked twice: still open
    EXPECT_EQ(p.GetPointCount(), 10);
    p.SetPoint(3, 10, 10, true); // a repeated click from the fourth vertex closes
    EXPECT_EQ(Written(p), "PV 0 0 10 0 10 10\r\n");
}

// On the screen y grows downwards: clockwise takes (x, y) about (cx, cy) to
// (cx + cy - y, cy + x - cx).
TEST(Transform, EveryKindTurnsMirrorsAndComesBack) {
    const int MAX = INT32_MAX, MIN = INT32_MIN;
    // op: 'R' clockwise about (x, y), 'L' counter-clockwise, 'M' mirror about x, 'V' move;
    // cycles: four turns, two mirrors give back the line.
    // clang-format off
    struct Row { const char* line; char op; int x, y; const char* after; bool cycles; } const rows[] = {
        {"LI 0 0 10 10", 'R', 10, 20, "LI 30 10 20 20", true},
        {"LI 0 0 10 10 3", 'L', 10, 20, "LI -10 30 0 20 3", true},
        {"LI 0 0 10 10", 'M', 10, 0, "LI 20 0 10 10", true},
        {"BE 0 0 10 0 10 10 0 10", 'R', 10, 20, "BE 30 10 30 20 20 20 20 10", true},
        {"EP 0 0 20 10", 'M', 10, 0, "EP 20 0 0 10", true},
        {"PP 0 0 10 0 10 10", 'R', 10, 20, "PP 30 10 30 20 20 20", true},
        {"PA 0 0 20 10 4 1", 'R', 10, 20, "PA 30 10 10 20 4 1", true}, // the sizes swap
        {"PA 0 0 20 10 4 1", 'M', 10, 0, "PA 20 0 20 10 4 1", true},
        {"TY 10 0 5 3 0 0 0 * t", 'R', 10, 20, "TY 30 20 5 3 270 0 0 * t", true},
        {"TY 0 0 5 3 270 0 0 * t", 'L', 10, 20, "TY -10 30 5 3 360 0 0 * t", true},
        {"TY 0 0 5 3 0 0 0 * t", 'M', 10, 0, "TY 20 0 5 3 0 4 0 * t", true},
        {"TY 0 0 5 3 270 4 0 * t", 'L', 10, 20, "TY -10 30 5 3 180 4 0 * t", true}, // mirrored
        {"TY 0 0 5 3 2147483647 0 0 * t", 'L', 10, 20, "TY -10 30 5 3 217 0 0 * t", false},
        {"TY 0 0 5 3 -2147483648 0 0 * t", 'R', 10, 20, "TY 30 10 5 3 142 0 0 * t", false},
        {"MC 200 300 0 0 080", 'R', 10, 20, "MC -270 210 1 0 080", true},
        {"MC 200 300 0 1 080", 'L', 10, 20, "MC 290 -170 1 1 080", true},
        {"MC 200 300 3 0 080", 'M', 10, 0, "MC -180 300 3 1 080", true},
        // Extreme coordinates are pinned, not wrapped.
        {"LI 2147483647 -2147483648 0 0", 'V', 10, -10, "LI 2147483647 -2147483648 10 -10", false},
        {"LI 2147483647 -2147483648 0 0", 'M', MIN, 0, "LI -2147483648 -2147483648 -2147483648 0", false},
        {"LI 2147483647 -2147483648 0 0", 'R', MAX, MAX, "LI 2147483647 2147483647 2147483647 0", false},
    };
    // clang-format on
    auto apply = [](CPrimitive& p, const Row& r) {
        if (r.op == 'M')
            p.Mirror(r.x);
        else if (r.op == 'V')
            p.Move(r.x, r.y);
        else
            p.Rotate(r.x, r.y, r.op == 'L');
    };
    for (const Row& r : rows) {
        auto p = Read(r.line);
        ASSERT_TRUE(p) << r.line;
        apply(*p, r);
        EXPECT_EQ(Written(*p), std::string(r.after) + "\r\n") << r.line << " " << r.op;
        // A macro's components follow its point, turn and mirror.
        std::string got, want;
        p->GetTextLine(got, true);
        Read(r.after)->GetTextLine(want, true);
        EXPECT_EQ(got, want) << r.line << " " << r.op;
        if (!r.cycles) continue;
        for (int i = r.op == 'M' ? 1 : 3; i > 0; --i)
            apply(*p, r);
        EXPECT_EQ(Written(*p), std::string(r.line) + "\r\n") << r.line << " " << r.op;
    }
}

// Points are compared in device pixels and come first, the lower index winning;
// the pick converts only the points near the click and must answer exactly what
// converting every point would, whatever the mapping.
TEST(HitTest, PointsFirstThenTheRegionNeverInAMacro) {
    CRecordingSurface dc;
    CLine m(0, 0, 100, 0, false);
    m.UpdateRegion(dc);
    EXPECT_TRUE(m.HitTest(50, 2, dc) == HIT_INSIDE && m.HitTest(50, 30, dc) == HIT_MISS);
    m.SetInMacro(true);
    EXPECT_EQ(m.HitTest(0, 0, dc), HIT_MISS);
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto signed5000 = [&] { return pick(1, 5000) * (pick(0, 3) ? 1 : -1); };
    for (int round = 0; round < 300; ++round) {
        dc.SetMapMode(pick(0, 1) ? MM_ANISOTROPIC : MM_ISOTROPIC);
        dc.SetWindowExt(signed5000(), pick(1, 5000));
        dc.SetViewportExt(pick(1, 5000), signed5000());
        dc.SetWindowOrg(pick(-500, 500), pick(-500, 500));
        dc.SetViewportOrg(pick(-500, 500), pick(-500, 500));
        CLine l(pick(-3000, 3000), pick(-3000, 3000), pick(-3000, 3000), pick(-3000, 3000), false);
        const CPoint d = dc.LPtoDP(l.GetPoint(pick(0, 1)));
        const int x = d.x + pick(-7, 7), y = d.y + pick(-7, 7);
        int want = HIT_MISS;
        for (int i = 1; i >= 0; --i) {
            const CPoint p = dc.LPtoDP(l.GetPoint(i));
            if (std::llabs(std::int64_t(x) - p.x) < 5 && std::llabs(std::int64_t(y) - p.y) < 5)
                want = i;
        }
        EXPECT_EQ(l.HitTest(x, y, dc), want) << "round " << round;
    }
}
