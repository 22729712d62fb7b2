// Each rule of the check just under, at and just over its limit, at 50
// micrometres a unit: 0.15 mm is 3 units, 0.25 mm 5, 0.3 mm 6.
#include "doc/nets/design_rules.h"
#include "support/core_test.h"

namespace {
std::string Findings(const std::string& text, RuleKind nKind, int nOutlineLayer = -1) {
    const CPrimitiveList list = ReadList(text);
    CDesignRules rules;
    rules.nMicronsPerUnit = 50;
    rules.nOutlineLayer = nOutlineLayer;
    std::string out;
    for (const CRuleFinding& f : CheckDesignRules(list, rules))
        if (f.nKind == nKind) out += (out.empty() ? "" : "; ") + FindingPlace(f);
    return out;
}
} // namespace

TEST(DesignRules, EachRuleFindsWhatFallsShortOfItAndNothingAtItOrBeyond) {
    const struct {
        const char* text;
        RuleKind nKind;
        const char* found;
    } kCases[] = {
        {"PL 0 0 20 0 2 1\nPL 0 50 20 50 3 2\nPL 0 90 20 90 4 1\n", RULE_THIN_TRACK,
         "10 0: 0.1 < 0.15"},
        {"PL 0 0 20 0 4 1\nPL 0 6 20 6 4 1\n", RULE_CLEARANCE, "0 3: 0.1 < 0.15"},
        {"PL 0 0 20 0 4 1\nPL 0 7 20 7 4 1\n", RULE_CLEARANCE, ""},
        {"PL 0 0 20 0 4 1\nPL 0 8 20 8 4 1\n", RULE_CLEARANCE, ""},
        {"PL 0 0 20 0 4 1\nPL 0 6 20 6 4 2\n", RULE_CLEARANCE, ""}, // the other side
        {"PA 0 0 10 10 4 1 2\nPL 7 0 27 0 2 1\n", RULE_CLEARANCE, "6 0: 0.05 < 0.15"}, // pads: both
        {"PA 0 0 10 10 4 0 2\nPL 0 0 0 20 4 1\nPL 7 2 7 20 2 1\n", RULE_CLEARANCE,
         "5 2: 0.064 < 0.15"},
        {"PA 0 0 10 10 4 0 2\nPL 5 0 30 0 2 1\nPL 5 3 30 3 2 1\n", RULE_CLEARANCE, ""}, // one net
        {"PA 0 0 16 16 5 0 1\nPA 40 0 16 16 6 0 1\nPA 80 0 16 16 7 0 1\n", RULE_SMALL_DRILL,
         "0 0: 0.25 < 0.3"},
        {"PA 0 0 11 11 6 0 1\nPA 40 0 12 12 6 1 1\nPA 80 0 13 20 6 2 1\n", RULE_THIN_RING,
         "0 0: 0.125 < 0.15"},
        {"PA 0 0 10 10 6 0 1\nPA 40 0 24 12 6 1 1\n", RULE_THIN_RING, "0 0: 0.1 < 0.15"},
        {"PA 0 0 8 8 6 0 1\nPA 10 0 8 8 6 0 1\nPA 50 0 8 8 6 0 1\nPA 61 0 8 8 6 0 1\nPA 61 0 8 8 6 "
         "0 2\n",
         RULE_HOLES_CLOSE, "5 0: 0.2 < 0.25"},
        {"RV 0 0 200 200 5\nPL 7 50 7 90 4 1\nPL 8 100 8 140 4 1\nPL 9 150 9 190 4 1\n", RULE_EDGE,
         "5 50: 0.25 < 0.3"},
        {"RV 0 0 200 200 5\nPL 250 50 260 90 4 1\nPL 10 50 10 90 4 1\n", RULE_OUTSIDE, "250 50"},
        {"EV 0 0 200 200 5\nPL 100 20 100 180 4 1\nPL 15 15 16 16 2 1\nPL 185 185 186 186 2 1\n",
         RULE_OUTSIDE, "15 15; 185 185"}, // in the corners of a round board
        {"LI 0 0 200 0 5\nLI 200 0 200 200 5\nPL 10 50 10 90 4 1\n", RULE_OUTLINE_OPEN, "0 0"},
        {"LI 0 0 200 0 5\nLI 200 0 0 0 5\nPL 10 50 10 90 4 1\n", RULE_OUTLINE_OPEN, ""},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Findings(c.text, c.nKind, 5), c.found) << c.text;
}
