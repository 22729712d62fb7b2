#include "support/core_test.h"
#include "view/commands/compare_jump.h"

// Each pair differs by one change; "now" is the document when the change is
// followed, edited since the comparison (empty: as compared).
TEST(CompareJump, AChangeSelectsThePrimitiveWritingItsLineAndCentresOnIt) {
    const struct {
        const char *oldText, *newText, *nowText;
        bool bGo;
        int nPrimitive, x, y;
    } rows[] = {
        {"LI 0 0 10 0", "LI 0 0 10 0\nLI 20 20 40 30", "", true, 1, 30, 25},
        {"LI 0 0 10 0\nLI 20 20 40 30", "LI 0 0 10 0", "", true, -1, 20, 20}, // removed
        {"SA 5 5", "SA 50 7", "", true, 0, 50, 7},
        {"LI 0 0 10 0", "LI 0 0 10 0\nLI 20 20 40 30", "LI 20 20 40 30\nLI 0 0 10 0", true, 0, 30,
         25},
        {"LI 0 0 10 0", "LI 0 0 10 0\nLI 20 20 40 30", "LI 0 0 10 0", true, -1, 20, 20},
        {"SA 1 1\nSA 2 2", "SA 2 2\nSA 1 1", "", false, -1, 0, 0}, // order only
    };
    for (const auto& r : rows) {
        const CPrimitiveList oldList = ReadList(r.oldText), newList = ReadList(r.newText),
                             now = ReadList(*r.nowText ? r.nowText : r.newText);
        const CDrawingDiff diff = CompareLists("", oldList, "", newList);
        ASSERT_EQ(diff.changes.size(), 1u) << r.newText;
        const CCompareJump j = JumpForChange(diff.changes[0], now);
        EXPECT_TRUE(j.bGo == r.bGo && j.nPrimitive == r.nPrimitive && j.centre == CPoint(r.x, r.y))
            << r.newText << " / " << r.nowText << ": " << j.nPrimitive;
    }
}
