#include "view/program/command_line.h"

#include "doc/document/document_ui.h"
#include "view/forms/bounded_int.h"

namespace {
bool ParseOrigin(const std::string& s, CCommandLine& out) {
    const std::size_t comma = s.find(',');
    return comma != std::string::npos &&
           ParseBoundedInt(s.substr(0, comma), -1000000, 1000000, out.nOriginX) &&
           ParseBoundedInt(s.substr(comma + 1), -1000000, 1000000, out.nOriginY);
}
} // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CCommandLine& out, std::string& error) {
    bool bOptions = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool bHasValue = i + 1 < args.size();
        if (!bOptions || a.empty() || a[0] != '-' || a == "-") {
            out.files.push_back(a);
        } else if (a == "--") {
            bOptions = false;
        } else if (a == "--no-splash") {
            out.bNoSplash = true;
        } else if (a == "--trace") {
            out.bTrace = true;
        } else if (a == "--help") {
            out.bHelp = true;
        } else if (a == "--version") {
            out.bVersion = true;
        } else if (a == "--program-dir" && bHasValue) {
            out.programDir = args[++i];
        } else if (a == "--zoom" && bHasValue) {
            if (!ParseBoundedInt(args[++i], 10, 2000, out.nZoom)) {
                error = FillMessage(MSG_ARG_ZOOM, args[i]);
                return false;
            }
        } else if (a == "--autosave-seconds" && bHasValue) {
            if (!ParseBoundedInt(args[++i], 1, 86400, out.nAutosaveSeconds)) {
                error = FillMessage(MSG_ARG_AUTOSAVE, args[i]);
                return false;
            }
        } else if (a == "--origin" && bHasValue) {
            if (!ParseOrigin(args[++i], out)) {
                error = FillMessage(MSG_ARG_ORIGIN, args[i]);
                return false;
            }
            out.bOrigin = true;
        } else {
            error = FillMessage(MSG_ARG_UNKNOWN, a);
            return false;
        }
    }
    return true;
}
