#pragma once
// The library folders: each may hold `libs` (libraries, "*.tvl") and `macros`
// (single macros, "*.tvm"). A library or macro name resolves in the first
// folder that has the file.
#include <string>
#include <vector>

constexpr const char* LIBS_FOLDER = "libs";
constexpr const char* MACROS_FOLDER = "macros";

// The folder of the running executable, without a trailing separator.
std::string ExecutableDir();

// "$XDG_DATA_HOME/tavolin", or "$HOME/.local/share/tavolin" when that is unset
// or not absolute; empty when neither is known.
std::string UserDataFolder(const char* pszXdgDataHome, const char* pszHome);
std::string UserDataFolder(); // from the environment

// The search order: `programDir` (the --program-dir option, when given), the
// executable's folder, the user's data folder, the installed share folder
// `<exe>/../share/tavolin`. Each folder once, at its first place.
std::vector<std::string> LibraryFolderList(const std::string& programDir, const std::string& exeDir,
                                           const std::string& userDir);
std::vector<std::string> DefaultLibraryFolders(const std::string& programDir);

// Creates the user's data folder with its `libs` and `macros`; false on failure.
bool EnsureUserDataFolder(const std::string& userDir);

// A library or macro file name taken from a drawing may only name a file in its
// own folder: no separators, no "..", no drive, no control characters.
bool IsSafeFileBase(const std::string& base);

// "<folder>/libs/<name>.tvl" and "<folder>/macros/<name>.tvm" in the first
// of the folders that has it; empty when none has. Folders that do not exist
// (yet) are kept in the list, so that they count once they appear.
using CFolderList = std::vector<std::string>;
std::string LibraryFilePath(const CFolderList& folders, const std::string& library);
std::string MacroFilePath(const CFolderList& folders, const std::string& base);

// The files with the extension (".tvl") in <folder>/<sub> of every folder, in
// folder order and by name within a folder; of equal base names only the first.
struct CFoundFile {
    std::string path;
    std::string base; // the file name up to its last "."
};
std::vector<CFoundFile> FilesInFolders(const CFolderList& folders, const char* pszSub,
                                       const char* pszExt);
