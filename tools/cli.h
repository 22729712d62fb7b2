#pragma once
// Sub-commands of tavolin-cli. Each answers the process exit status.
#include <memory>
#include <string>
#include <vector>

int RunNormalize(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);
int RunLibrary(const std::vector<std::string>& args);

struct CLibraryIndex;
// A catalogue picture of a library's visible components; exit status.
int DrawLibrarySheet(const CLibraryIndex& lib, const std::string& prefix, const std::string& out);

// Starts the Qt layer for tools that draw (offscreen when there is no display).
class QGuiApplication;
std::unique_ptr<QGuiApplication> StartGui();

// Messages the program shows, printed on standard error.
extern const char* const MSG_BAD_FORMAT;
extern const char* const MSG_READ_ERRORS;
