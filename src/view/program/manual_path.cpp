#include "view/program/manual_path.h"

const char* const kManualFolder = "share/tavolin/manual";

std::string FindManualIndex(const std::string& exeDir,
                            const std::function<bool(const std::string&)>& exists) {
    const std::string index = std::string(kManualFolder) + "/index.html";
    // The build folder first: a program run from there shows its own manual
    // even when an older one is installed.
    for (const std::string& base : {exeDir + "/", exeDir + "/../"})
        if (exists(base + index)) return base + index;
    return "";
}
