#include "doc/undo_history.h"

#include <gtest/gtest.h>

TEST(UndoHistory, PositionsAndTheRedoChain) {
    CUndoHistory h;
    EXPECT_EQ(h.Position(), 0u);
    h.Push("a");
    EXPECT_FALSE(h.CanUndo());
    h.Push("b");
    h.Push("c");
    ASSERT_TRUE(h.CanUndo());
    EXPECT_EQ(*h.Undo(), "b");
    EXPECT_EQ(*h.Undo(), "a");
    EXPECT_EQ(h.Undo(), nullptr);
    EXPECT_EQ(*h.Redo(), "b");
    h.Push("d"); // drops "c"
    EXPECT_EQ(h.Count(), 3u);
    EXPECT_EQ(h.Redo(), nullptr);
    EXPECT_EQ(*h.Undo(), "b");
}

TEST(UndoHistory, CapacityDropsTheOldestButKeepsAnOversizedSnapshot) {
    CUndoHistory h;
    h.Clear(10);
    h.Push("aaaa");
    h.Push("bbbb");
    h.Push("cccc"); // 12 > 10: "aaaa" goes
    EXPECT_EQ(h.Count(), 2u);
    EXPECT_EQ(*h.Undo(), "bbbb");
    h.Redo();
    h.Push(std::string(50, 'x'));
    EXPECT_EQ(h.Count(), 1u);
    EXPECT_EQ(h.Position(), 1u);
    EXPECT_FALSE(h.CanUndo());
    h.Push("y"); // the oversized one goes first
    EXPECT_EQ(h.Count(), 1u);
}
