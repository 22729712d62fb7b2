#include "view/forms/fab_choices.h"

#include "doc/document/document_ui.h"
#include "doc/fab/fab_request.h"
#include "doc/fab/fab_units.h"
#include "model/translate_noop.h"

#include <string>

namespace {
const char* const kSection = "Produzione";
// The names the refusals show, as the dialog labels them.
const char* const kMaskName = "Allargamento maschera";
const char* const kStrokeName = "Tratto";
const char* const kRuleNames[RULE_LENGTH_COUNT] = {
    QT_TRANSLATE_NOOP("CFabDlg", "Pista minima"),
    QT_TRANSLATE_NOOP("CFabDlg", "Distanza minima"),
    QT_TRANSLATE_NOOP("CFabDlg", "Foro minimo"),
    QT_TRANSLATE_NOOP("CFabDlg", "Corona minima"),
    QT_TRANSLATE_NOOP("CFabDlg", "Distanza tra i fori"),
    QT_TRANSLATE_NOOP("CFabDlg", "Distanza dal bordo")};
std::string RuleKey(int i) {
    return "strRule" + std::to_string(i);
}
} // namespace

std::array<std::string, RULE_LENGTH_COUNT> DefaultFabRules() {
    const CDesignRules defaults;
    std::array<std::string, RULE_LENGTH_COUNT> texts;
    for (int i = 0; i < RULE_LENGTH_COUNT; ++i)
        texts[std::size_t(i)] = FormatMm(defaults.*kRuleLengths[i]);
    return texts;
}

CFabChoices LoadFabChoices(IProfileStore& store) {
    CFabChoices c;
    c.nOutlineLayer = store.GetInt(kSection, "nOutlineLayer", -1);
    if (c.nOutlineLayer < -1 || c.nOutlineLayer > 15) c.nOutlineLayer = -1;
    const std::string mask = store.GetString(kSection, "strMaskExpansion");
    const std::string stroke = store.GetString(kSection, "strStroke");
    if (!mask.empty()) c.strMaskExpansion = mask;
    if (!stroke.empty()) c.strStroke = stroke;
    for (int i = 0; i < RULE_LENGTH_COUNT; ++i) {
        const std::string rule = store.GetString(kSection, RuleKey(i));
        if (!rule.empty()) c.strRules[i] = rule;
    }
    return c;
}

void SaveFabChoices(const CFabChoices& c, IProfileStore& store) {
    store.WriteInt(kSection, "nOutlineLayer", c.nOutlineLayer);
    store.WriteString(kSection, "strMaskExpansion", c.strMaskExpansion);
    store.WriteString(kSection, "strStroke", c.strStroke);
    for (int i = 0; i < RULE_LENGTH_COUNT; ++i)
        store.WriteString(kSection, RuleKey(i), c.strRules[i]);
}

const char* FabRuleName(int nRule) {
    return kRuleNames[nRule];
}

std::string ReadFabRules(const CFabChoices& c, int nMicronsPerUnit, CDesignRules& rules) {
    rules.nMicronsPerUnit = nMicronsPerUnit;
    rules.nOutlineLayer = c.nOutlineLayer;
    for (int i = 0; i < RULE_LENGTH_COUNT; ++i)
        if (!ParseFabLength(c.strRules[i], false, rules.*kRuleLengths[i]))
            return FillMessage(MSG_FAB_BAD_LENGTH, kRuleNames[i]);
    return std::string();
}

std::string ReadFabChoices(const CFabChoices& c, int nMicronsPerUnit, CFabOptions& o) {
    o.nMicronsPerUnit = nMicronsPerUnit;
    o.nOutlineLayer = c.nOutlineLayer;
    if (!ParseFabLength(c.strMaskExpansion, true, o.nMaskExpansion))
        return FillMessage(MSG_FAB_BAD_LENGTH, kMaskName);
    if (!ParseFabLength(c.strStroke, false, o.nStroke))
        return FillMessage(MSG_FAB_BAD_LENGTH, kStrokeName);
    return std::string();
}

std::string DefaultFabArchive(const std::string& docPath, const std::string& title,
                              const std::string& folder) {
    if (docPath.empty()) return folder + "/" + FabStem(title) + ".zip";
    const std::size_t slash = docPath.find_last_of('/');
    const std::string dir =
        slash == std::string::npos ? std::string() : docPath.substr(0, slash + 1);
    return dir + FabStem(docPath) + ".zip";
}
