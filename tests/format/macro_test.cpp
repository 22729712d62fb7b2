// Macro instances: resolving names, placing, transforms, writing.
#include "../test_util.h"
#include "format/resolve.h"
#include "format/stdlib.h"
#include "format/writer.h"
#include "model/layers.h"
#include "model/line.h"
#include "model/macro.h"
#include "model/recording_surface.h"
#include "program_dir_fixture.h"

namespace {
CMacro& AsMacro(std::unique_ptr<CPrimitive>& p) { return static_cast<CMacro&>(*p); }

std::string Components(const CMacro& m) {
    std::string out;
    m.GetTextLine(out, true);
    return out;
}
} // namespace

class Macro : public ProgramDirTest {};

TEST_F(Macro, ResistorPlacedAtTheOrigin) {
    auto m = Read("MC 200 300 0 0 080");
    ASSERT_TRUE(m);
    EXPECT_EQ(AsMacro(m).m_strName, "~080");
    EXPECT_EQ(Written(*m), "MC 200 300 0 0 080\r\n");
    EXPECT_EQ(Components(AsMacro(m)), "LI 200 300 202 300\r\nLI 208 300 210 300\r\nRV 202 298 208 302\r\n");
}

// For a library point (u, v) = (100 + du, 100 + dv) at origin (X, Y).
TEST_F(Macro, PlacementTableHoldsForAllEightCombinations) {
    WriteFile("libs/t.tvl", "[TAVOLIB T]\r\n[P point]\r\nSA 103 107\r\n");
    const int X = 500, Y = 700, du = 3, dv = 7;
    const CPoint want[4][2] = {{{X + du, Y + dv}, {X - du, Y + dv}},
                               {{X - dv, Y + du}, {X + dv, Y + du}},
                               {{X - du, Y - dv}, {X + du, Y - dv}},
                               {{X + dv, Y - du}, {X - dv, Y - du}}};
    for (int o = 0; o < 4; ++o)
        for (int mir = 0; mir < 2; ++mir) {
            auto m = Read("MC 500 700 " + std::to_string(o) + " " + std::to_string(mir) + " t.P");
            ASSERT_TRUE(m);
            const CPoint p = AsMacro(m).m_components.at(0)->GetPoint(0);
            EXPECT_EQ(p, want[o][mir]) << "orientation " << o << " mirror " << mir;
            EXPECT_EQ(Written(*m), "MC 500 700 " + std::to_string(o) + " " +
                                       std::to_string(mir) + " t.P\r\n");
        }
}

TEST_F(Macro, OddOrientationsPlaceModuloFourAndAreWrittenBackAsRead) {
    auto five = Read("MC 200 300 5 0 080");
    auto one = Read("MC 200 300 1 0 080");
    EXPECT_EQ(Components(AsMacro(five)), Components(AsMacro(one)));
    EXPECT_EQ(Written(*five), "MC 200 300 5 0 080\r\n");
    auto huge = Read("MC 200 300 2147483645 0 080"); // 2147483645 = 1 mod 4, and no hang
    EXPECT_EQ(Components(AsMacro(huge)), Components(AsMacro(one)));
}

TEST_F(Macro, RotationsAndMirrorKeepOrientationAndComponentsTogether) {
    auto m = Read("MC 200 300 0 0 080");
    const std::string start = Components(AsMacro(m));
    for (int i = 0; i < 4; ++i) m->Rotate(200, 300, false);
    EXPECT_EQ(Components(AsMacro(m)), start);
    EXPECT_EQ(m->m_nOrientation, 0);
    m->Mirror(200);
    EXPECT_EQ(m->m_bMirrored, 1);
    m->Rotate(200, 300, false); // mirrored: clockwise lowers the orientation
    EXPECT_EQ(m->m_nOrientation, 3);
    m->SetPoint(0, 210, 300);
    EXPECT_EQ(Written(*m), "MC 210 300 3 1 080\r\n");
    EXPECT_EQ(m->SetLayer(5), 0);
    EXPECT_EQ(m->GetLayer(), 0);
}

TEST_F(Macro, UserLibrariesAndSingleMacroFilesResolve) {
    WriteFile("libs/parts.tvl", "[TAVOLIB Parti]\r\n{Resistori}\r\n[R1 Resistor 1/4 W]\r\nLI 100 100 110 100 2\r\n");
    WriteFile("macros/logo.tvm", "[MACROCAD Logo]\r\nRV 100 100 120 110\r\n");
    auto lib = Read("MC 10 10 0 0 parts.R1");
    ASSERT_TRUE(lib);
    EXPECT_EQ(Components(AsMacro(lib)), "LI 10 10 20 10 2\r\n");
    EXPECT_EQ(Written(*lib), "MC 10 10 0 0 parts.R1\r\n");
    auto spaced = Read("MC 10 10 0 0  parts . R1"); // library and key are trimmed
    ASSERT_TRUE(spaced);
    EXPECT_EQ(Written(*spaced), "MC 10 10 0 0 parts . R1\r\n");
    auto file = Read("MC 10 10 0 0 logo");
    ASSERT_TRUE(file);
    EXPECT_EQ(Components(AsMacro(file)), "RV 10 10 30 20\r\n");
    EXPECT_FALSE(Read("MC 10 10 0 0 nolib.xyz"));
    EXPECT_FALSE(Read("MC 10 10 0 0 parts.R2"));
    EXPECT_FALSE(Read("MC 10 10 0 0 nothing"));
}

TEST_F(Macro, NamesCannotReachOutsideTheirFolders) {
    std::filesystem::create_directories(m_dir / "outside");
    WriteFile("outside/evil.tvl", "[TAVOLIB E]\r\n[X x]\r\nLI 1 1 2 2\r\n");
    WriteFile("outside/evil.tvm", "[MACROCAD E]\r\nLI 1 1 2 2\r\n");
    WriteFile("libs/x.tvl", "[TAVOLIB E]\r\n[X x]\r\nLI 1 1 2 2\r\n");
    EXPECT_TRUE(Read("MC 0 0 0 0 x.X"));
    for (const char* name : {"../outside/evil.X", "..\\outside\\evil.X", "/tmp/evil.X",
                             "C:evil.X", "../outside/evil", "sub/evil", ".X"})
        EXPECT_FALSE(Read(std::string("MC 0 0 0 0 ") + name)) << name;
}

TEST_F(Macro, SelfAndMutualReferencesNeitherHangNorCrash) {
    WriteFile("libs/loop.tvl", "[TAVOLIB L]\r\n[A a]\r\nLI 100 100 110 100\r\nMC 100 100 0 0 loop.A\r\n"
                               "[B b]\r\nMC 100 100 0 0 loop.C\r\n[C c]\r\nMC 100 100 0 0 loop.B\r\nSA 100 100\r\n");
    auto a = Read("MC 0 0 0 0 loop.A");
    ASSERT_TRUE(a);
    EXPECT_EQ(Components(AsMacro(a)), "LI 0 0 10 0\r\n"); // the self-reference is dropped
    CPrimitiveList list;
    int err = 0;
    ParseDrawingLines("MC 0 0 0 0 loop.B\nLI 1 2 3 4\n", list, &err);
    EXPECT_EQ(list.size(), 2u);
}

TEST_F(Macro, DeepButFiniteNestingLoadsWithoutExhaustingTheStack) {
    std::string lib = "[TAVOLIB Deep]\r\n";
    for (int i = 0; i < 2000; ++i)
        lib += "[C" + std::to_string(i) + " c]\r\nSA 100 100\r\nMC 100 100 0 0 deep.C" +
               std::to_string(i + 1) + "\r\n";
    lib += "[C2000 end]\r\nSA 100 100\r\n";
    WriteFile("libs/deep.tvl", lib);
    auto shallow = Read("MC 0 0 0 0 deep.C1990");
    ASSERT_TRUE(shallow);
    EXPECT_EQ(Components(AsMacro(shallow)).size(), 11 * std::string("SA 0 0\r\n").size());
    auto deep = Read("MC 0 0 0 0 deep.C0"); // deeper than the limit: resolves as far as it may
    ASSERT_TRUE(deep);
}

TEST_F(Macro, WritingRuleKeepsStandardMacrosAndSplitsOthersOnRequest) {
    WriteFile("libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nLI 100 100 110 100\r\nMC 100 100 0 0 080\r\n");
    CPrimitiveList list;
    ParseDrawingLines("MC 10 10 0 0 parts.R1\nMC 50 50 0 0 080\n", list, nullptr);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(FormatPrimitiveLines(list, false), "MC 10 10 0 0 parts.R1\r\nMC 50 50 0 0 080\r\n");
    EXPECT_EQ(FormatPrimitiveLines(list, true),
              "LI 10 10 20 10\r\nMC 10 10 0 0 080\r\nMC 50 50 0 0 080\r\n");
    CMacro group(0, 0); // a group has no name: always its components
    group.m_components.push_back(list[0]->Clone());
    CPrimitiveList groups;
    groups.push_back(group.Clone());
    EXPECT_EQ(FormatPrimitiveLines(groups, false), "MC 10 10 0 0 parts.R1\r\n");
    EXPECT_EQ(FormatPrimitiveLines(groups, true), "LI 10 10 20 10\r\nMC 10 10 0 0 080\r\n");
}

TEST_F(Macro, NameWithALineBreakIsWrittenOnOneLine) {
    auto m = Read("MC 0 0 0 0 080");
    m->SetProperty("Text", "~080\r\nLI 1 2 3 4");
    EXPECT_EQ(Written(*m), "MC 0 0 0 0 080\r\n");
}

TEST_F(Macro, RegionIsTheBoxOfItsComponents) {
    CRecordingSurface dc;
    auto m = Read("MC 200 300 0 0 080");
    m->UpdateRegion(dc);
    const CRect box = m->GetRegion()->GetRgnBox();
    EXPECT_LE(box.left, 195);
    EXPECT_GE(box.right, 215);
    EXPECT_TRUE(m->GetRegion()->PtInRegion(205, 300));
    CMacro empty(5, 5);
    empty.UpdateRegion(dc);
    EXPECT_TRUE(empty.GetRegion()->IsEmpty());
    EXPECT_EQ(empty.HitTest(5, 5, dc), 0);
}

// A macro keeps no region per component: its own box, the box of what its
// components' regions would be, answers every pick, at any zoom.
TEST_F(Macro, PickUsesTheBoxOfTheComponentRegionsWhichAreNotKept) {
    CRecordingSurface dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(5, 5);
    dc.SetViewportExt(3, 3);
    for (const auto& [key, index] : StandardLibrary().firstByKey) {
        for (int turn = 0; turn < 8; ++turn) {
            auto m = Read("MC 300 400 " + std::to_string(turn % 4) + " " +
                          std::to_string(turn / 4) + " " + key);
            ASSERT_TRUE(m) << key;
            CRect want;
            for (const auto& c : AsMacro(m).m_components) {
                auto copy = c->Clone();
                copy->UpdateRegion(dc);
                want = BoxUnion(want, copy->GetRegion()->GetRgnBox());
            }
            m->UpdateRegion(dc);
            EXPECT_EQ(m->GetRegion()->GetRgnBox(), want) << key << " turn " << turn;
            for (const auto& c : AsMacro(m).m_components)
                EXPECT_TRUE(c->GetRegion()->IsEmpty()) << key;
            const CPoint origin = dc.LPtoDP(CPoint{300, 400});
            const CPoint centre = dc.LPtoDP(
                CPoint{(want.left + want.right) / 2, (want.top + want.bottom) / 2});
            const bool bNearOrigin =
                std::abs(centre.x - origin.x) < 5 && std::abs(centre.y - origin.y) < 5;
            EXPECT_EQ(m->HitTest(centre.x, centre.y, dc), bNearOrigin ? 0 : HIT_INSIDE) << key;
            const CPoint outside = dc.LPtoDP(CPoint{want.right + 20, want.top});
            EXPECT_EQ(m->HitTest(outside.x, outside.y, dc), HIT_MISS) << key;
        }
    }
}

// Found by the fuzzer: components that place the next one twice, level after
// level, would hold 2^26 primitives.
TEST_F(Macro, ExponentialNestingIsRefusedInsteadOfExhaustingMemory) {
    std::string lib = "[TAVOLIB f]\n";
    for (char c = 'a'; c < 'z'; ++c) {
        const std::string next = std::string(1, char(c + 1));
        lib += std::string("[") + c + " x]\nMC 0 0 0 0 f." + next + "\nMC 0 0 0 0 f." + next + "\n";
    }
    lib += "[z x]\nSA 1 1\n";
    WriteFile("libs/f.tvl", lib);
    auto small = Read("MC 0 0 0 0 f.r"); // 2^8 dots: an ordinary size
    ASSERT_TRUE(small);
    EXPECT_EQ(CountPrimitives(AsMacro(small)), 510u + 256u); // nested instances and dots
    for (int i = 0; i < 2; ++i) { // and again, from whatever the cache holds
        auto big = Read("MC 0 0 0 0 f.a"); // its deepest copies are refused and skipped
        ASSERT_TRUE(big);
        EXPECT_LE(CountPrimitives(AsMacro(big)), MAX_MACRO_PRIMITIVES * 2 + 2);
    }
}

// Found by the fuzzer: a component placed onto (-1, -1) is incomplete and is
// left out of the split text, as a drawing leaves out incomplete primitives.
TEST_F(Macro, SplitComponentsOnTheUnsetPointAreLeftOut) {
    WriteFile("libs/f.tvl", "[TAVOLIB f]\n[A a]\nLI 99 99 110 110\nSA 105 105\n");
    CPrimitiveList list;
    ParseDrawingLines("MC 0 0 0 0 f.A", list, nullptr);
    ASSERT_EQ(list.size(), 1u);
    const std::string once = FormatPrimitiveLines(list, true);
    EXPECT_EQ(once, "SA 5 5\r\n");
}

// A macro draws in the layer table it is given: the layers that table shows,
// each component in its colour there, nested macros included, rubber band too.
TEST(MacroDraw, TakesLayersAndColoursFromTheTableItIsGiven) {
    CMacro inner(0, 0);
    inner.m_components.push_back(std::make_unique<CLine>(0, 0, 5, 0, false));
    inner.m_components.back()->SetLayer(2);
    CMacro outer(0, 0);
    outer.m_components.push_back(std::make_unique<CLine>(0, 10, 5, 10, false));
    outer.m_components.push_back(std::make_unique<CLine>(0, 20, 5, 20, false));
    outer.m_components.back()->SetLayer(1);
    outer.m_components.push_back(inner.Clone());
    CLayerTable layers;
    layers.m_crLayerColor[0] = RGB(1, 2, 3);
    layers.m_crLayerColor[2] = RGB(4, 5, 6);
    layers.m_bLayerShow[1] = 0;
    CRecordingSurface dc;
    EXPECT_EQ(outer.DrawInLayers(dc, layers, false, 0xFFFFFF, 0x999999, 0xFF, 100, -1, false), 0);
    ASSERT_EQ(dc.m_calls.size(), 4u);
    EXPECT_EQ(dc.m_calls[0], "line 0,10 5,10 rop=13 pen=030201/0 brush=none");
    EXPECT_EQ(dc.m_calls[2], "line 0,0 5,0 rop=13 pen=060504/0 brush=none");
    dc.m_calls.clear();
    outer.DrawInLayers(dc, layers, true, 0xFFFFFF, 0x999999, 0xFF, 100, 2, false);
    ASSERT_EQ(dc.m_calls.size(), 2u);
    EXPECT_EQ(dc.m_calls[0], "line 0,0 5,0 rop=10 pen=060504/0 brush=none");
    // Without a table: every layer shown, in its start-up colour.
    dc.m_calls.clear();
    outer.Draw(dc, false, 0xFFFFFF, 0x999999, 0xFF, 100, -1, false);
    ASSERT_EQ(dc.m_calls.size(), 6u);
    EXPECT_EQ(dc.m_calls[2], "line 0,20 5,20 rop=13 pen=c00000/0 brush=none");
}
