#pragma once
// The program folder: `libs` (libraries) and `macros` (single macros) live in it.
#include <string>

extern std::string g_strProgramDir;

// The folder of the running executable, without a trailing separator.
std::string ExecutableDir();

// A library or macro file name taken from a drawing may only name a file in its
// own folder: no separators, no "..", no drive, no control characters.
bool IsSafeFileBase(const std::string& base);

// "<program folder>/libs/<name>.tvl" and "<program folder>/macros/<name>.tvm".
std::string LibraryFilePath(const std::string& library);
std::string MacroFilePath(const std::string& base);
