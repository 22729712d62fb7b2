#include "doc/files/autosave_store.h"

#include "doc/files/safe_file.h"
#include "format/reader.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool MakeFolders(const std::string& folder) {
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at < folder.size() && folder[at] != '/') continue;
        const std::string part = folder.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return ::chmod(folder.c_str(), 0700) == 0;
}

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* d = ::readdir(dir))
            if (d->d_name[0] != '.') names.emplace_back(d->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}
} // namespace

unsigned long long ProcessStartTime(long nPid) {
    std::string stat;
    if (!ReadWholeFile("/proc/" + std::to_string(nPid) + "/stat", stat)) return 0;
    const std::size_t paren = stat.rfind(')'); // the command name may hold spaces
    if (paren == std::string::npos) return 0;
    std::istringstream in(stat.substr(paren + 2));
    std::string field;
    for (int i = 3; i < 22 && in >> field; ++i) {
    }
    unsigned long long nStart = 0;
    in >> nStart;
    return nStart;
}

// A process that ended but that its parent has not reaped still answers
// kill(); its state in /proc says it is gone.
static bool IsZombie(long nPid) {
    std::string stat;
    if (!ReadWholeFile("/proc/" + std::to_string(nPid) + "/stat", stat)) return false;
    const std::size_t paren = stat.rfind(')');
    return paren != std::string::npos && paren + 2 < stat.size() && stat[paren + 2] == 'Z';
}

std::string DefaultAutosaveFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    std::string base =
        state && *state == '/' ? state : std::string(home ? home : "") + "/.local/state";
    return base + "/tavolin/autosave";
}

std::string LockText(long nPid, unsigned long long nStart) {
    return std::to_string(nPid) + " " + std::to_string(nStart) + "\n";
}

std::string CurrentInstanceName() {
    const long nPid = long(::getpid());
    return std::to_string(nPid) + "-" + std::to_string(ProcessStartTime(nPid));
}

bool IsInstanceAlive(const std::string& lockText) {
    std::istringstream in(lockText);
    long nPid = 0;
    unsigned long long nStart = 0;
    if (!(in >> nPid >> nStart) || nPid <= 0) return false;
    if (::kill(pid_t(nPid), 0) != 0 && errno != EPERM) return false;
    if (IsZombie(nPid)) return false; // ended, not yet reaped by its parent
    // Another process may have been given the id since.
    const unsigned long long nNow = ProcessStartTime(nPid);
    return nNow == 0 || nNow == nStart;
}

CAutosaveStore::CAutosaveStore(std::string folder, std::string instance)
    : m_folder(std::move(folder)), m_instance(std::move(instance)) {}

bool CAutosaveStore::Open() {
    const long nPid = long(::getpid());
    return MakeFolders(m_folder) &&
           WriteFileSafely(m_folder + "/" + m_instance + ".lock",
                           LockText(nPid, ProcessStartTime(nPid)), nullptr, 0600);
}

void CAutosaveStore::Close() {
    ::unlink((m_folder + "/" + m_instance + ".lock").c_str());
}

CAutosaveEntry CAutosaveStore::EntryFor(int n, const std::string& path, int nKind) const {
    CAutosaveEntry e;
    const std::string base = m_folder + "/" + m_instance + "-" + std::to_string(n);
    e.dataPath = base + ".data";
    e.infoPath = base + ".info";
    e.path = path;
    e.nKind = nKind;
    e.nPid = long(::getpid());
    return e;
}

std::string CAutosaveStore::InfoText(const CAutosaveEntry& e) {
    return "kind=" + std::to_string(e.nKind) + "\npid=" + std::to_string(e.nPid) +
           "\npath=" + e.path + "\n";
}

bool CAutosaveStore::ParseInfo(const std::string& text, CAutosaveEntry& e) {
    const std::size_t at = text.find("\npath=");
    if (text.compare(0, 5, "kind=") != 0 || at == std::string::npos || !EndsWith(text, "\n"))
        return false;
    std::istringstream in(text.substr(0, at));
    std::string kind, pid;
    std::getline(in, kind);
    std::getline(in, pid);
    if (pid.compare(0, 4, "pid=") != 0) return false;
    e.nKind = std::atoi(kind.c_str() + 5);
    e.nPid = std::atol(pid.c_str() + 4);
    e.path = text.substr(at + 6, text.size() - at - 7);
    return e.nKind != 0;
}

std::vector<CAutosaveEntry> CAutosaveStore::Orphans() const {
    std::vector<CAutosaveEntry> found;
    for (const std::string& name : FileNames(m_folder)) {
        const std::size_t dash = name.rfind('-');
        if (!EndsWith(name, ".info") || dash == std::string::npos) continue;
        const std::string instance = name.substr(0, dash);
        std::string lock, info;
        if (instance == m_instance ||
            (ReadWholeFile(m_folder + "/" + instance + ".lock", lock) && IsInstanceAlive(lock)))
            continue;
        CAutosaveEntry e;
        e.infoPath = m_folder + "/" + name;
        e.dataPath = e.infoPath.substr(0, e.infoPath.size() - 5) + ".data";
        struct stat st {};
        if (ReadWholeFile(e.infoPath, info) && ParseInfo(info, e) &&
            ::stat(e.dataPath.c_str(), &st) == 0)
            found.push_back(e);
    }
    return found;
}

void CAutosaveStore::Remove(const CAutosaveEntry& e) const {
    ::unlink(e.dataPath.c_str());
    ::unlink(e.infoPath.c_str());
    const std::size_t slash = e.infoPath.rfind('/');
    const std::string name = e.infoPath.substr(slash + 1);
    const std::string instance = name.substr(0, name.rfind('-'));
    if (instance == m_instance) return;
    // What a write cut short left of the instance goes with its last entry.
    std::vector<std::string> rest;
    for (const std::string& n : FileNames(m_folder))
        if (n.compare(0, instance.size() + 1, instance + "-") == 0) rest.push_back(n);
    const bool bAnyLeft = std::any_of(rest.begin(), rest.end(), [](const std::string& n) {
        return EndsWith(n, ".info") || EndsWith(n, ".data");
    });
    if (bAnyLeft) return;
    for (const std::string& n : rest)
        ::unlink((m_folder + "/" + n).c_str());
    ::unlink((m_folder + "/" + instance + ".lock").c_str());
}
