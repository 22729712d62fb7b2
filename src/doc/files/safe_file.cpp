#include "doc/files/safe_file.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

bool Failed(int nErrno, int* pnErrno) {
    // A write that stored nothing without an error has found the disk full.
    if (pnErrno) *pnErrno = nErrno != 0 ? nErrno : ENOSPC;
    return false;
}
bool IsRunning(long nPid) {
    return ::kill(pid_t(nPid), 0) == 0 || errno == EPERM;
}
} // namespace

std::string SafeTempPattern(const std::string& path, long nPid) {
    return path + "." + std::to_string(nPid) + "~XXXXXX";
}

long SafeTempOwner(const std::string& fileName, const std::string& targetName) {
    const std::size_t n = targetName.size();
    if (fileName.size() < n + 9 || fileName.compare(0, n, targetName) != 0 || fileName[n] != '.')
        return 0;
    const std::size_t tilde = fileName.size() - 7;
    if (fileName[tilde] != '~' || tilde == n + 1) return 0;
    long nPid = 0;
    for (std::size_t i = n + 1; i < tilde; ++i) {
        if (fileName[i] < '0' || fileName[i] > '9' || nPid > 99999999) return 0;
        nPid = nPid * 10 + (fileName[i] - '0');
    }
    return nPid;
}

void RemoveStaleTemps(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* d = ::readdir(dir)) {
        const long nPid = SafeTempOwner(d->d_name, name);
        if (nPid > 0 && !IsRunning(nPid)) ::unlinkat(::dirfd(dir), d->d_name, 0);
    }
    ::closedir(dir);
}

bool WriteFileSafely(const std::string& path, const std::string& data, int* pnErrno,
                     unsigned nNewMode) {
    RemoveStaleTemps(path);
    std::string tmp = SafeTempPattern(path, long(::getpid()));
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) return Failed(errno, pnErrno);
    // Keep the permissions an existing file had; a new one gets the usual ones.
    struct stat st {};
    const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : mode_t(nNewMode);
    errno = 0;
    const bool written = WriteAll(fd, data) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    int nErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (written && !closed) nErrno = errno;
    if (written && closed) {
        if (::rename(tmp.c_str(), path.c_str()) == 0) return true;
        nErrno = errno;
    }
    ::unlink(tmp.c_str());
    return Failed(nErrno, pnErrno);
}
