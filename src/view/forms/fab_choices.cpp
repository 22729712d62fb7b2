#include "view/forms/fab_choices.h"

#include "doc/document/document_ui.h"
#include "doc/fab/fab_request.h"

namespace {
const char* const kSection = "Produzione";
// The names the refusals show, as the dialog labels them.
const char* const kMaskName = "Allargamento maschera";
const char* const kStrokeName = "Tratto";
} // namespace

CFabChoices LoadFabChoices(IProfileStore& store) {
    CFabChoices c;
    c.nOutlineLayer = store.GetInt(kSection, "nOutlineLayer", -1);
    if (c.nOutlineLayer < -1 || c.nOutlineLayer > 15) c.nOutlineLayer = -1;
    const std::string mask = store.GetString(kSection, "strMaskExpansion");
    const std::string stroke = store.GetString(kSection, "strStroke");
    if (!mask.empty()) c.strMaskExpansion = mask;
    if (!stroke.empty()) c.strStroke = stroke;
    return c;
}

void SaveFabChoices(const CFabChoices& c, IProfileStore& store) {
    store.WriteInt(kSection, "nOutlineLayer", c.nOutlineLayer);
    store.WriteString(kSection, "strMaskExpansion", c.strMaskExpansion);
    store.WriteString(kSection, "strStroke", c.strStroke);
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
