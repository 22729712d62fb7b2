// The "Regole" list's rows, and whether the fabrication export goes on.
#include "view/forms/rule_findings.h"

#include "support/core_test.h"

TEST(RuleFindings, ARowSelectsEachHeldPrimitiveOnceAndCentresItsPlace) {
    CPrimitiveList list = ReadList("PL 0 0 20 0 4 1\nPL 0 6 20 6 4 1\nPL 0 6 20 6 1 1\n");
    CDesignRules rules;
    rules.nMicronsPerUnit = 50;
    const std::vector<CFindingRow> rows = FindingRows(CheckDesignRules(list, rules));
    ASSERT_FALSE(rows.empty());
    const CFindingRow& r = rows.back();
    EXPECT_STREQ(r.pszKind, RuleKindName(RULE_CLEARANCE));
    EXPECT_EQ(r.strPlace, "0 3: 0.1 < 0.15");
    EXPECT_EQ(r.centre, (CPoint{0, 3}));
    EXPECT_EQ(HeldPrimitives(r, list), (std::vector<CPrimitive*>{list[0].get(), list[1].get()}));
    list.erase(list.begin());
    EXPECT_EQ(HeldPrimitives(r, list), std::vector<CPrimitive*>{list[0].get()});
}

TEST(RuleFindings, TheExportAsksOnlyWhenSomethingWasFound) {
    const struct {
        std::size_t nFound;
        bool bYes, bAsked;
        ExportStep step;
    } rows[] = {{0, false, false, EXPORT_WRITE},
                {2, true, true, EXPORT_WRITE},
                {1, false, true, EXPORT_SHOW_FINDINGS}};
    for (const auto& r : rows) {
        bool bAsked = false;
        EXPECT_EQ(StepAfterCheck(r.nFound, [&] { return bAsked = true, r.bYes; }), r.step);
        EXPECT_EQ(bAsked, r.bAsked);
    }
}
