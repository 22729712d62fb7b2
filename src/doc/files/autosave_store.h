#pragma once
// Where autosaves live and whose they are. Each running instance is known by
// its process id and the time that process started (so that a reused id is
// not taken for it); its lock file "<instance>.lock" names it, and each of its
// documents is kept as "<instance>-<n>.data" (the bytes a save would write)
// with "<instance>-<n>.info" beside it (the document's path, kind and the
// writing process). Nothing here asks the user anything.
#include <string>
#include <vector>

struct CAutosaveEntry {
    std::string dataPath; // the autosave's bytes
    std::string infoPath; // the side file
    std::string path;     // the document's own file; empty when untitled
    int nKind = 0;
    long nPid = 0;
};

// The bytes of an autosave to write, or its files to remove.
struct CAutosaveJob {
    CAutosaveEntry entry;
    std::string text;
    bool bRemove = false;
};

// $XDG_STATE_HOME/tavolin/autosave, else ~/.local/state/tavolin/autosave.
std::string DefaultAutosaveFolder();

// The start of a process in clock ticks after boot; 0 when unknown.
unsigned long long ProcessStartTime(long nPid);
// "<pid>-<start time>" of this process.
std::string CurrentInstanceName();
// Whether the process a lock file's text names still runs.
bool IsInstanceAlive(const std::string& lockText);
std::string LockText(long nPid, unsigned long long nStart);

class CAutosaveStore {
  public:
    CAutosaveStore(std::string folder, std::string instance);

    // Creates the folder (0700) and the lock file; false when it cannot.
    bool Open();
    // Removes the lock: the instance ended cleanly.
    void Close();
    const std::string& Folder() const { return m_folder; }
    // The files of this instance's document number n.
    CAutosaveEntry EntryFor(int n, const std::string& path, int nKind) const;
    // The side file's text, and back.
    static std::string InfoText(const CAutosaveEntry& e);
    static bool ParseInfo(const std::string& text, CAutosaveEntry& e);

    // Autosaves of instances whose lock is gone or names a process that
    // no longer runs; sorted by file name.
    std::vector<CAutosaveEntry> Orphans() const;
    // Removes the entry's files, and the lock of its instance once nothing
    // of that instance is left (never this instance's own lock).
    void Remove(const CAutosaveEntry& e) const;

  private:
    std::string m_folder;
    std::string m_instance;
};
