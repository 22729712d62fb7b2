#include "format/program_dir.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;

std::string ExecutableDir() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return std::string();
    std::string path(buf, std::size_t(n));
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string UserDataFolder(const char* pszXdgDataHome, const char* pszHome) {
    if (pszXdgDataHome && pszXdgDataHome[0] == '/') return std::string(pszXdgDataHome) + "/tavolin";
    if (pszHome && pszHome[0] == '/') return std::string(pszHome) + "/.local/share/tavolin";
    return std::string();
}

std::string UserDataFolder() {
    return UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

namespace {
// Two spellings of one folder ("bin/../share", a trailing "/") compare equal.
std::string Normalised(const std::string& dir) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(dir, ec), ec);
    if (ec) p = fs::path(dir);
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}
} // namespace

std::vector<std::string> LibraryFolderList(const std::string& programDir, const std::string& exeDir,
                                           const std::string& userDir) {
    std::vector<std::string> out;
    auto add = [&out](const std::string& dir) {
        if (dir.empty()) return;
        const std::string n = Normalised(dir);
        if (std::find(out.begin(), out.end(), n) == out.end()) out.push_back(n);
    };
    add(programDir);
    add(exeDir);
    add(userDir);
    if (!exeDir.empty()) add(exeDir + "/../share/tavolin");
    return out;
}

std::vector<std::string> DefaultLibraryFolders(const std::string& programDir) {
    return LibraryFolderList(programDir, ExecutableDir(), UserDataFolder());
}

bool EnsureUserDataFolder(const std::string& userDir) {
    if (userDir.empty()) return false;
    std::error_code ec;
    for (const char* sub : {LIBS_FOLDER, MACROS_FOLDER})
        fs::create_directories(fs::path(userDir) / sub, ec);
    return fs::is_directory(fs::path(userDir) / LIBS_FOLDER, ec);
}

bool IsSafeFileBase(const std::string& base) {
    if (base.empty() || base.find("..") != std::string::npos) return false;
    for (const char c : base)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32) return false;
    return true;
}

namespace {
std::string FirstFound(const CFolderList& folders, const char* pszSub,
                       const std::string& fileName) {
    std::error_code ec;
    for (const std::string& dir : folders) {
        const fs::path p = fs::path(dir) / pszSub / fileName;
        if (fs::is_regular_file(p, ec)) return p.string();
    }
    return std::string();
}
} // namespace

std::string LibraryFilePath(const CFolderList& folders, const std::string& library) {
    return FirstFound(folders, LIBS_FOLDER, library + ".tvl");
}

std::string MacroFilePath(const CFolderList& folders, const std::string& base) {
    return FirstFound(folders, MACROS_FOLDER, base + ".tvm");
}

std::vector<CFoundFile> FilesInFolders(const CFolderList& folders, const char* pszSub,
                                       const char* pszExt) {
    std::vector<CFoundFile> out;
    std::set<std::string> seen;
    for (const std::string& dir : folders) {
        std::vector<fs::path> files;
        std::error_code ec;
        for (fs::directory_iterator it(fs::path(dir) / pszSub, ec), end; !ec && it != end;
             it.increment(ec))
            if (it->path().extension() == pszExt && it->is_regular_file(ec))
                files.push_back(it->path());
        std::sort(files.begin(), files.end());
        for (const fs::path& f : files)
            if (seen.insert(f.stem().string()).second)
                out.push_back({f.string(), f.stem().string()});
    }
    return out;
}
