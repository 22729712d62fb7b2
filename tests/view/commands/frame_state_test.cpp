#include "support/core_test.h"
#include "view/commands/frame_state.h"
#include "view/forms/config_values.h"
#include "view/program/command_line.h"
#include "view/viewport/window_rect.h"

TEST(CommandLine, OptionsAndFilesInAnyOrderAndBadOnesRefused) {
    CCommandLine cl;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"a.tvd", "--zoom", "250", "--origin", "-5,90", "--trace",
                                  "--no-splash", "--program-dir", "/p", "--help", "--version",
                                  "--autosave-seconds", "7", "--", "--b.tvd"},
                                 cl, error));
    EXPECT_TRUE(cl.files == std::vector<std::string>({"a.tvd", "--b.tvd"}) && cl.nZoom == 250 &&
                cl.bOrigin && cl.nOriginX == -5 && cl.nOriginY == 90 && cl.programDir == "/p" &&
                cl.nAutosaveSeconds == 7);
    EXPECT_TRUE(cl.bTrace && cl.bNoSplash && cl.bHelp && cl.bVersion);
    // clang-format off
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--zoom", "5"}, {"--zoom", "abc"},
             {"--zoom"}, {"--origin", "3"}, {"--origin", "1,2,3"}, {"--bogus"}, {"--program-dir"}, {"--autosave-seconds", "0"}}) {
        // clang-format on
        error.clear();
        EXPECT_FALSE(ParseCommandLine(args, cl, error) || error.empty()) << args[0];
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
    EXPECT_TRUE(s.bSplit == 0 && s.nMacrobarSize == 2 && s.nMicronsPerUnit == 1000);
}

// The tree's macro is no tool to come back to.
TEST(FrameState, ToolsKindsByExtensionAndTheWindowWalk) {
    CToolState tools;
    std::vector<int> told;
    tools.m_onChanged = [&](int t) { told.push_back(t); };
    tools.Escape();
    tools.Choose(TOOL_LINE);
    tools.ChooseMacroFromTree();
    tools.Escape();
    tools.Escape();
    tools.Choose(TOOL_COUNT);
    tools.Choose(TOOL_LINE);
    EXPECT_EQ((std::vector<int>{TOOL_LINE, TOOL_MACRO, TOOL_SELECT, TOOL_LINE}), told);
    EXPECT_EQ(DocKindFromExtension(".Tvl"), DOC_LIBRARY);
    EXPECT_EQ(WindowMenuCaption(1, "R&C.tvd"), "&2 R&&C.tvd");
    EXPECT_EQ(std::vector<int>({WindowStep(2, 3, true), WindowStep(0, 3, false),
                                WindowStep(-1, 3, true), WindowStep(0, 0, true)}),
              std::vector<int>({0, 2, 0, -1}));
}

TEST(WindowRect, ARectangleOfAScreenNoLongerAttachedComesBackOntoOne) {
    const std::vector<CRect> two = {{0, 0, 1280, 1024}, {1280, 0, 3200, 1080}};
    // clang-format off
    const struct { CRect in, out; std::size_t nScreens; } cases[] = {
        {{3000, 100, 3780, 680}, {500, 100, 1280, 680}, 1}, {{-500, -400, 3000, 3000}, {0, 0, 1280, 1024}, 1},
        {{2000, 50, 2600, 550}, {2000, 50, 2600, 550}, 2}, {{3100, 50, 3700, 550}, {2600, 50, 3200, 550}, 2}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ClampWindowRect(c.in, {two.begin(), two.begin() + c.nScreens}), c.out)
            << c.in.left;
}
