// The frame's tools, untitled names, title, order of windows, and the window rectangle brought
// back onto the screens.
#include "doc/document.h"
#include "view/frame_state.h"
#include "view/window_rect.h"

#include <gtest/gtest.h>

TEST(ToolState, EveryChangeIsToldAndEscapeReturnsToTheLastChosenTool) {
    CToolState tools;
    std::vector<int> told;
    tools.m_onChanged = [&](int t) { told.push_back(t); };
    tools.Escape(); // selection with no other tool chosen: stays
    tools.Choose(TOOL_LINE);
    tools.ChooseMacroFromTree(); // the tree does not change the last tool
    EXPECT_EQ(tools.Current(), TOOL_MACRO);
    EXPECT_EQ(tools.Last(), TOOL_LINE);
    tools.Escape();
    EXPECT_EQ(tools.Current(), TOOL_SELECT);
    tools.Escape();
    EXPECT_EQ(tools.Current(), TOOL_LINE);
    tools.Choose(TOOL_COUNT); // not a tool
    tools.Choose(TOOL_LINE);  // already the current tool: no news
    EXPECT_EQ((std::vector<int>{3, 10, 0, 3}), told);
}

TEST(FrameTitle, NamesTheActiveDocumentAndMarksItModified) {
    EXPECT_EQ(FrameTitle("", false), "Tavolin");
    EXPECT_EQ(FrameTitle("esempio.tvd", false), "Tavolin - esempio.tvd");
    EXPECT_EQ(FrameTitle("esempio.tvd", true), "Tavolin - esempio.tvd*");
    CUntitledNames names;
    EXPECT_EQ(names.Next(DOC_DRAWING), "Documento1");
    EXPECT_EQ(names.Next(DOC_MACRO), "Macro1");
    EXPECT_EQ(names.Next(DOC_DRAWING), "Documento2");
    EXPECT_EQ(names.Next(DOC_LIBRARY), "Libreria1");
    EXPECT_EQ(DocKindFromExtension(".Tvl"), DOC_LIBRARY);
    EXPECT_EQ(DocKindFromExtension(".txt"), DOC_NONE);
    EXPECT_EQ(OpenFileFilters(), "Documento Tavolin (*.tvd);;Macro Tavolin (*.tvm);;"
                                 "Libreria Tavolin (*.tvl);;Tutti i file (*)");
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
    const struct {
        int nActive, nCount;
        bool bForward;
        int nWant;
    } steps[] = {{0, 3, true, 1}, {1, 3, true, 2},   {2, 3, true, 0},  {0, 3, false, 2},
                 {1, 3, false, 0}, {-1, 3, true, 0}, {-1, 3, false, 2}, {0, 0, true, -1}};
    for (const auto& s : steps)
        EXPECT_EQ(WindowStep(s.nActive, s.nCount, s.bForward), s.nWant) << s.nActive;
    EXPECT_EQ(WindowMenuCaption(0, "esempio.tvd"), "&1 esempio.tvd");
    EXPECT_EQ(WindowMenuCaption(1, "R&C.tvd"), "&2 R&&C.tvd");
}
