#include "format/program_dir.h"

#include <climits>
#include <unistd.h>

std::string g_strProgramDir;

std::string ExecutableDir() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return std::string();
    std::string path(buf, std::size_t(n));
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsSafeFileBase(const std::string& base) {
    if (base.empty() || base.find("..") != std::string::npos) return false;
    for (const char c : base)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32) return false;
    return true;
}

std::string LibraryFilePath(const std::string& library) {
    return g_strProgramDir + "/libs/" + library + ".tvl";
}

std::string MacroFilePath(const std::string& base) {
    return g_strProgramDir + "/macros/" + base + ".tvm";
}
