// Showing a picture with the desktop's viewer, for git's difftool.
#include "cli.h"
#include "model/translate_noop.h"
#include "qtlayer/qt_translate.h"

#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

bool HasDisplay() {
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

// A folder only the user may enter, kept after the run: the viewer opens the
// picture after this process has ended.
std::string PrivatePicturePath() {
    const char* tmp = std::getenv("TMPDIR");
    std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavolin-diff-XXXXXX";
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
