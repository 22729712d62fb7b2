#include "doc/system_error.h"

#include <cerrno>

namespace {
const struct {
    int nErrno;
    const char* pszText;
} kCauses[] = {
    {EACCES, "Permesso negato"},
    {EPERM, "Permesso negato"},
    {ENOENT, "La cartella non esiste"},
    {ENOTDIR, "La cartella non esiste"},
    {ENOSPC, "Disco pieno"},
    {EROFS, "File system di sola lettura"},
    {EDQUOT, "Quota del disco superata"},
    {ENAMETOOLONG, "Nome del file troppo lungo"},
    {EISDIR, "Esiste gia' una cartella con questo nome"},
    {EFBIG, "File troppo grande"},
    {EIO, "Errore di lettura o scrittura sul disco"},
    {EMFILE, "Troppi file aperti"},
    {ENFILE, "Troppi file aperti"},
    {EBUSY, "File in uso"},
    {ETXTBSY, "File in uso"},
};
} // namespace

std::string SystemErrorText(int nErrno) {
    for (const auto& c : kCauses)
        if (c.nErrno == nErrno) return c.pszText;
    return "Errore di sistema " + std::to_string(nErrno);
}

std::string WithSystemCause(const std::string& message, int nErrno) {
    return nErrno == 0 ? message : message + "\n" + SystemErrorText(nErrno);
}
