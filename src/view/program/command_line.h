#pragma once
// tavolin [--no-splash] [--program-dir DIR] [--zoom N] [--origin X,Y] [--trace]
//         [--autosave-seconds N] [FILE...]
//         | --help | --version
#include "view/program/usage.h"

#include <string>
#include <vector>

struct CCommandLine {
    bool bNoSplash = false;
    bool bTrace = false;
    bool bHelp = false, bVersion = false; // answered before any window exists
    std::string programDir;
    int nZoom = 0; // percent; 0 when not given
    int nAutosaveSeconds = 120;
    bool bOrigin = false;
    int nOriginX = 0, nOriginY = 0;
    std::vector<std::string> files;
};

// False, with the reason in `error`, for an unknown option or a bad value.
bool ParseCommandLine(const std::vector<std::string>& args, CCommandLine& out, std::string& error);

// The usage that --help writes and a refused command line is followed by; the
// manual page is made from the same table.
const CUsage& CommandLineUsageTable();
std::string CommandLineUsage(bool bEnglish);
