#include "doc/files/safe_file.h"

#include <cerrno>
#include <cstdlib>
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
} // namespace

bool WriteFileSafely(const std::string& path, const std::string& data, int* pnErrno,
                     unsigned nNewMode) {
    std::string tmp = path + ".XXXXXX";
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
