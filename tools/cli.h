#pragma once
// Sub-commands of tavolin-cli. Each answers the process exit status.
#include <string>
#include <vector>

int RunNormalize(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);

// Messages the program shows, printed on standard error.
extern const char* const MSG_BAD_FORMAT;
extern const char* const MSG_READ_ERRORS;
