#pragma once
// Where the manual's index is: beside the executable in its build folder, or
// under share/ of the prefix it is installed in. The program folder given on
// the command line plays no part: it holds libraries, not the manual.
#include <functional>
#include <string>

// The folder of the manual, relative to a prefix or to the build folder.
extern const char* const kManualFolder;

// The first index that exists, or "" when there is none.
std::string FindManualIndex(const std::string& exeDir,
                            const std::function<bool(const std::string&)>& exists);
