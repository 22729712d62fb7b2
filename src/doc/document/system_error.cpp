#include "doc/document/system_error.h"

#include "doc/document/document_ui.h"
#include "model/translate_noop.h"

#include <cerrno>

namespace {
const struct {
    int nErrno;
    const char* pszText;
} kCauses[] = {
    {EACCES, QT_TRANSLATE_NOOP("Messaggi", "Permesso negato")},
    {EPERM, QT_TRANSLATE_NOOP("Messaggi", "Permesso negato")},
    {ENOENT, QT_TRANSLATE_NOOP("Messaggi", "La cartella non esiste")},
    {ENOTDIR, QT_TRANSLATE_NOOP("Messaggi", "La cartella non esiste")},
    {ENOSPC, QT_TRANSLATE_NOOP("Messaggi", "Disco pieno")},
    {EROFS, QT_TRANSLATE_NOOP("Messaggi", "File system di sola lettura")},
    {EDQUOT, QT_TRANSLATE_NOOP("Messaggi", "Quota del disco superata")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("Messaggi", "Nome del file troppo lungo")},
    {EISDIR, QT_TRANSLATE_NOOP("Messaggi", "Esiste gia' una cartella con questo nome")},
    {EFBIG, QT_TRANSLATE_NOOP("Messaggi", "File troppo grande")},
    {EIO, QT_TRANSLATE_NOOP("Messaggi", "Errore di lettura o scrittura sul disco")},
    {EMFILE, QT_TRANSLATE_NOOP("Messaggi", "Troppi file aperti")},
    {ENFILE, QT_TRANSLATE_NOOP("Messaggi", "Troppi file aperti")},
    {EBUSY, QT_TRANSLATE_NOOP("Messaggi", "File in uso")},
    {ETXTBSY, QT_TRANSLATE_NOOP("Messaggi", "File in uso")},
};
} // namespace

std::string SystemErrorText(int nErrno) {
    for (const auto& c : kCauses)
        if (c.nErrno == nErrno) return c.pszText;
    return FillMessage(MSG_SYSTEM_ERROR, std::to_string(nErrno));
}

std::string WithSystemCause(const std::string& message, int nErrno) {
    return nErrno == 0 ? message : message + "\n" + SystemErrorText(nErrno);
}
