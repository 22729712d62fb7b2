#pragma once
// Sub-commands of tavolin-cli. Each answers the process exit status.
#include "doc/document/document_ui.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

int RunNormalize(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);
int RunLibrary(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunDiff(const std::vector<std::string>& args);
int RunGerber(const std::vector<std::string>& args);
int RunDrc(const std::vector<std::string>& args);
int RunNets(const std::vector<std::string>& args);

struct CLibraryIndex;
// A catalogue picture of a library's visible components; exit status.
class CResolveContext;
int DrawLibrarySheet(const CLibraryIndex& lib, const std::string& prefix, const std::string& out,
                     CResolveContext& ctx);

// The usage of a command (all of them when `command` is null).
bool IsCommand(const char* command);
void PrintUsage(const char* command, std::FILE* out);
void PrintVersion();

// Takes the program folder (the executable's when `dir` is empty) and fills
// the macro cache from it as the program does at start. Each command owns the
// library state it reads with.
struct CLibraryState;
void UseProgramDir(CLibraryState& library, const std::string& dir);

class CSchemoDoc;
// Loads a document from a file ("-" is standard input), with the document's
// messages.
bool LoadForTool(CSchemoDoc& doc, const std::string& path);

// Starts the Qt layer for tools that draw (offscreen when there is no display).
class QGuiApplication;
std::unique_ptr<QGuiApplication> StartGui();

// Writes the picture as a PNG file; false after saying why on standard error.
class QImage;
bool SavePngForTool(const QImage& image, const std::string& path);

// Text on standard output, flushed; false when it could not all be written.
bool WriteStdout(std::string_view text);

// A display to show a picture on (X11 or Wayland).
bool HasDisplay();
// A new file name in a new folder that only the user may enter; empty after
// the message when the folder cannot be made.
std::string PrivatePicturePath();
// Opens the file with xdg-open; false after the message when it fails.
bool OpenWithDesktop(const std::string& path);
