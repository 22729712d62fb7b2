#pragma once
// The findings of a design-rule check as the "Regole" list shows them: a row
// each, with the primitives a double-click selects and the point it centres.
#include "doc/nets/design_rules.h"
#include "model/geometry.h"

#include <cstddef>
#include <string>
#include <vector>

struct CFindingRow {
    const char* pszKind = "";             // RuleKindName, to translate
    std::string strPlace;                 // FindingPlace
    std::vector<const CPrimitive*> prims; // the list's primitives, each once, in finding order
    CPoint centre{0, 0};
};

std::vector<CFindingRow> FindingRows(const std::vector<CRuleFinding>& findings);

// The rows' primitives that `list` still holds, in list order.
std::vector<CPrimitive*> HeldPrimitives(const CFindingRow& row, const CPrimitiveList& list);

// What the fabrication export does once the check has run: it writes when
// nothing was found, else only when the user answers yes to "Esportare
// comunque?"; a no shows the findings instead.
enum ExportStep { EXPORT_WRITE, EXPORT_SHOW_FINDINGS };
template <class Ask> ExportStep StepAfterCheck(std::size_t nFindings, Ask&& askYes) {
    if (nFindings == 0 || askYes()) return EXPORT_WRITE;
    return EXPORT_SHOW_FINDINGS;
}
