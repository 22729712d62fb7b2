// The command line, the settings dialog's checks, the frame's tools, title
// and order of windows, and the window rectangle brought back onto the screens.
#include "doc/document.h"
#include "view/command_line.h"
#include "view/config_values.h"
#include "view/frame_state.h"
#include "view/window_rect.h"

#include <gtest/gtest.h>

TEST(CommandLine, OptionsAndFilesInAnyOrderAndBadOnesRefused) {
    CCommandLine cl;
    std::string error;
    ASSERT_TRUE(
        ParseCommandLine({"a.tvd", "--zoom", "250", "--origin", "-5,90", "--trace", "--no-splash",
                          "--program-dir", "/p", "--help", "--version", "--", "--b.tvd"},
                         cl, error));
    EXPECT_EQ(cl.files, (std::vector<std::string>{"a.tvd", "--b.tvd"}));
    EXPECT_EQ(cl.nZoom, 250);
    EXPECT_TRUE(cl.bOrigin && cl.nOriginX == -5 && cl.nOriginY == 90);
    EXPECT_TRUE(cl.bTrace && cl.bNoSplash && cl.bHelp && cl.bVersion);
    EXPECT_EQ(cl.programDir, "/p");
    // clang-format off
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--zoom", "5"}, {"--zoom", "abc"},
             {"--zoom"}, {"--origin", "3"}, {"--origin", "1,2,3"}, {"--bogus"}, {"--program-dir"}}) {
        // clang-format on
        EXPECT_FALSE(ParseCommandLine(args, cl, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(ConfigValues, ARefusedValueAppliesNothingAndAGoodOneAppliesAll) {
    CSettings s;
    CConfigValues v = CConfigValues::From(s);
    EXPECT_EQ(v.micronsText, "127");
    v.bSplit = 0;
    v.nMacrobarSize = 2;
    for (const char* bad : {"0", "1001", "", "12a"}) {
        v.micronsText = bad;
        EXPECT_FALSE(v.ApplyTo(s)) << bad;
        EXPECT_EQ(s.bSplit, 1); // nothing taken before the refusal
    }
    for (const char* good : {"1", " 1000 "}) {
        v.micronsText = good;
        ASSERT_TRUE(v.ApplyTo(s)) << good;
    }
    EXPECT_EQ(s.bSplit, 0);
    EXPECT_EQ(s.nMacrobarSize, 2);
    EXPECT_EQ(s.nMicronsPerUnit, 1000);
}

TEST(ToolState, EveryChangeIsToldAndEscapeReturnsToTheLastChosenTool) {
    CToolState tools;
    std::vector<int> told;
    tools.m_onChanged = [&](int t) { told.push_back(t); };
    tools.Escape(); // selection with no other tool chosen: stays
    tools.Choose(TOOL_LINE);
    tools.ChooseMacroFromTree(); // the tree does not change the last tool
    tools.Escape();
    tools.Escape();
    EXPECT_EQ(tools.Current(), TOOL_LINE);
    tools.Choose(TOOL_COUNT); // not a tool
    tools.Choose(TOOL_LINE);  // already the current tool: no news
    EXPECT_EQ((std::vector<int>{TOOL_LINE, TOOL_MACRO, TOOL_SELECT, TOOL_LINE}), told);
}

TEST(FrameTitle, NamesTheActiveDocumentAndMarksItModified) {
    EXPECT_EQ(FrameTitle("", false), "Tavolin");
    EXPECT_EQ(FrameTitle("esempio.tvd", true), "Tavolin - esempio.tvd*");
    CUntitledNames names;
    EXPECT_EQ(names.Next(DOC_DRAWING), "Documento1");
    EXPECT_EQ(names.Next(DOC_MACRO), "Macro1");
    EXPECT_EQ(names.Next(DOC_DRAWING), "Documento2");
    EXPECT_EQ(names.Next(DOC_LIBRARY), "Libreria1");
    EXPECT_EQ(DocKindFromExtension(".Tvl"), DOC_LIBRARY);
    EXPECT_EQ(DocKindFromExtension(".txt"), DOC_NONE);
}

TEST(WindowRect, ARectangleOfAScreenNoLongerAttachedComesBackOntoOne) {
    const std::vector<CRect> one = {{0, 0, 1280, 1024}};
    EXPECT_EQ(ClampWindowRect({20, 20, 800, 600}, one), (CRect{20, 20, 800, 600}));
    EXPECT_EQ(ClampWindowRect({3000, 100, 3780, 680}, one), (CRect{500, 100, 1280, 680}));
    EXPECT_EQ(ClampWindowRect({-500, -400, 3000, 3000}, one), (CRect{0, 0, 1280, 1024}));
    const std::vector<CRect> two = {{0, 0, 1280, 1024}, {1280, 0, 3200, 1080}};
    EXPECT_EQ(ClampWindowRect({2000, 50, 2600, 550}, two), (CRect{2000, 50, 2600, 550}));
    EXPECT_EQ(ClampWindowRect({3100, 50, 3700, 550}, two), (CRect{2600, 50, 3200, 550}));
}

TEST(WindowOrder, TheWalkFollowsTheOpeningOrderAndWrapsAround) {
    // clang-format off
    const struct { int nActive, nCount; bool bForward; int nWant; } steps[] = {
        {1, 3, true, 2}, {2, 3, true, 0}, {0, 3, false, 2}, {-1, 3, true, 0}, {-1, 3, false, 2}, {0, 0, true, -1}};
    // clang-format on
    for (const auto& s : steps)
        EXPECT_EQ(WindowStep(s.nActive, s.nCount, s.bForward), s.nWant) << s.nActive;
    EXPECT_EQ(WindowMenuCaption(1, "R&C.tvd"), "&2 R&&C.tvd");
}
