#include "app/frame/program_context.h"

#include "format/resolve.h"

CSettings g_settings;
CLayerTable g_layers;
CLibraryState g_library;

namespace {
// The unsplit-macro warning is shown at most once per run, for all documents.
bool g_bWarnNonStandard = true;
} // namespace

CEditContext ProgramEditContext() {
    return {g_layers, g_settings, [](const std::string& name, CMacro& macro) {
                return ResolveMacro(name, macro, nullptr, nullptr, g_library.context);
            }};
}

bool SaveWithSettings(CSchemoDoc& doc, const std::string& path, std::string* pWritten) {
    CSaveOptions options;
    options.bSplit = g_settings.bSplit != 0;
    options.bNeverWarn = g_settings.bWarningYouSuck != 0;
    options.bWarn = g_bWarnNonStandard;
    const bool ok = doc.Save(path, options, pWritten);
    g_bWarnNonStandard = options.bWarn;
    if (options.bChoseSplit) g_settings.bSplit = 1;
    return ok;
}
