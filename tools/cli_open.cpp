// Showing a picture with the desktop's viewer, for git's difftool.
#include "cli.h"
#include "model/translate_noop.h"
#include "qtlayer/qt_translate.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

bool HasDisplay() {
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

namespace {
constexpr char kFolderPrefix[] = "tavolin-diff-";
constexpr std::time_t kKeptSeconds = 24 * 60 * 60;

// The prefix and mkdtemp's six letters and digits.
bool IsPictureFolderName(const char* name) {
    const std::size_t n = sizeof kFolderPrefix - 1;
    if (std::strncmp(name, kFolderPrefix, n) != 0 || std::strlen(name) != n + 6) return false;
    for (const char* p = name + n; *p; ++p)
        if (!std::isalnum(static_cast<unsigned char>(*p))) return false;
    return true;
}

// Nothing is followed: a link or a file of that name, a folder of another
// user's or one that holds a folder stays as it is.
void RemoveIfOld(int parent, const char* name, std::time_t now) {
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st;
    DIR* dir = nullptr;
    if (::fstat(fd, &st) != 0 || st.st_uid != ::geteuid() || now - st.st_mtime <= kKeptSeconds ||
        !(dir = ::fdopendir(fd))) {
        ::close(fd);
        return;
    }
    while (const dirent* e = ::readdir(dir))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            ::unlinkat(fd, e->d_name, 0);
    ::closedir(dir);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

// Each picture's folder outlives its run, for the viewer: the next run removes
// those of this user that are more than a day old.
void RemoveOldPictureFolders(const std::string& tmp) {
    DIR* dir = ::opendir(tmp.c_str());
    if (!dir) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* e = ::readdir(dir))
        if (IsPictureFolderName(e->d_name)) RemoveIfOld(::dirfd(dir), e->d_name, now);
    ::closedir(dir);
}
} // namespace

// A folder only the user may enter, kept after the run: the viewer opens the
// picture after this process has ended.
std::string PrivatePicturePath() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string parent = tmp && *tmp ? tmp : "/tmp";
    RemoveOldPictureFolders(parent);
    std::string dir = parent + "/" + kFolderPrefix + "XXXXXX";
    if (!::mkdtemp(dir.data())) {
        std::perror("mkdtemp");
        return std::string();
    }
    return dir + "/confronto.png";
}

bool OpenWithDesktop(const std::string& path) {
    char* argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    if (::posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) {
        std::string message =
            TrCoreBytes("tavolin-cli",
                        QT_TRANSLATE_NOOP("tavolin-cli", "Impossibile avviare xdg-open per %1."));
        message.replace(message.find("%1"), 2, path);
        std::fprintf(stderr, "%s\n", message.c_str());
        return false;
    }
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
