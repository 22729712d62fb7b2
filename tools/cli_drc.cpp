// tavolin-cli drc: the design-rule check of a drawing's board, one finding a line.
#include "cli.h"
#include "cli_args.h"
#include "cli_ui.h"

#include "doc/document/document.h"
#include "doc/fab/fab_request.h"
#include "doc/nets/design_rules.h"
#include "format/resolve_context.h"
#include "view/forms/bounded_int.h"

namespace {
struct CDrcArgs {
    std::string in, programDir, outline;
    std::string lengths[RULE_LENGTH_COUNT];
};

// The options that take a length, in the order of kRuleLengths.
const char* const kLengthOptions[RULE_LENGTH_COUNT] = {
    "--min-track", "--clearance", "--min-drill", "--min-ring", "--hole-to-hole", "--edge"};

bool ParseOptions(CDrcArgs& a, CArgWalker& w) {
    while (w.Next()) {
        bool bTaken =
            w.Value("--program-dir", a.programDir) || w.Value("--outline-layer", a.outline);
        for (int i = 0; i < RULE_LENGTH_COUNT && !bTaken; ++i)
            bTaken = w.Value(kLengthOptions[i], a.lengths[i]);
        if (!bTaken && !w.Plain(a.in)) w.Stray();
    }
    return w.Ok() && !a.in.empty();
}

bool TakeRules(const CArgWalker& w, const CDrcArgs& a, CDesignRules& rules) {
    if (w.Given("--outline-layer") && !ParseBoundedInt(a.outline, 0, 15, rules.nOutlineLayer)) {
        std::fputs(TrCoreBytes("tavolin-cli",
                               QT_TRANSLATE_NOOP("tavolin-cli", "Il valore di --outline-layer deve "
                                                                "essere un livello da 0 a 15.\n"))
                       .c_str(),
                   stderr);
        return false;
    }
    for (int i = 0; i < RULE_LENGTH_COUNT; ++i)
        if (w.Given(kLengthOptions[i]) &&
            !ParseFabLength(a.lengths[i], false, rules.*kRuleLengths[i])) {
            std::fprintf(
                stderr, "%s\n",
                TrMessageBytes(FillMessage(MSG_FAB_BAD_LENGTH, kLengthOptions[i])).c_str());
            return false;
        }
    return true;
}
} // namespace

int RunDrc(const std::vector<std::string>& args) {
    CDrcArgs a;
    CArgWalker w(args);
    if (!ParseOptions(a, w)) {
        PrintUsage("drc", stderr);
        return 2;
    }
    CDesignRules rules;
    if (!TakeRules(w, a, rules)) return 2;
    CLibraryState library;
    UseProgramDir(library, a.programDir);
    CCliUi ui;
    CSchemoDoc doc(DOC_DRAWING, &ui, library.context);
    if (!LoadForTool(doc, a.in)) return 2;
    std::string out;
    const std::vector<CRuleFinding> found = CheckDesignRules(doc.Primitives(), rules);
    for (const CRuleFinding& f : found)
        out += TrCoreBytes("Messaggi", RuleKindName(f.nKind)) + " " + FindingPlace(f) + "\n";
    if (!WriteStdout(out)) return 2;
    return found.empty() ? 0 : 1;
}
