#include "view/forms/rule_findings.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

std::vector<CFindingRow> FindingRows(const std::vector<CRuleFinding>& findings) {
    std::vector<CFindingRow> rows;
    rows.reserve(findings.size());
    for (const CRuleFinding& f : findings) {
        CFindingRow r;
        r.pszKind = RuleKindName(f.nKind);
        r.strPlace = FindingPlace(f);
        for (const CNetMember& m : f.prims)
            if (std::find(r.prims.begin(), r.prims.end(), m.pTop) == r.prims.end())
                r.prims.push_back(m.pTop);
        r.centre = {int(std::lround(f.at.x)), int(std::lround(f.at.y))};
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<CPrimitive*> HeldPrimitives(const CFindingRow& row, const CPrimitiveList& list) {
    const std::unordered_set<const CPrimitive*> wanted(row.prims.begin(), row.prims.end());
    std::vector<CPrimitive*> held;
    for (const auto& p : list)
        if (wanted.count(p.get())) held.push_back(p.get());
    return held;
}
