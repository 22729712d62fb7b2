// Autosaves: where they go, whose they are and when they are offered again.
#include "doc/files/autosave_store.h"
#include "doc/files/autosave_writer.h"
#include "doc/files/safe_file.h"
#include "support/core_test.h"

#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct CTempFolder {
    std::string path;
    CTempFolder() {
        char name[] = "/tmp/autosave_testXXXXXX";
        path = ::mkdtemp(name);
    }
    ~CTempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

std::string FileText(const std::string& path) {
    std::string s;
    return ReadWholeFile(path, s) ? s : "<missing>";
}

unsigned Mode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
}

// A pid that surely ran and ended.
long EndedPid() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return long(pid);
}

// A pid that ended but is not reaped yet (a crashed program whose parent is slow).
long ZombiePid() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    siginfo_t info{};
    ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT);
    return long(pid);
}
} // namespace

TEST(AutosaveStore, SideFileReadsBackAsWritten) {
    for (const std::string path : {"", "/home/a b/x=1.tvd", "/tmp/path=\nstrano.tvl"}) {
        CAutosaveEntry e, back;
        e.path = path, e.nKind = DOC_LIBRARY, e.nPid = 42;
        ASSERT_TRUE(CAutosaveStore::ParseInfo(CAutosaveStore::InfoText(e), back)) << path;
        EXPECT_EQ(path + " 165 42",
                  back.path + " " + std::to_string(back.nKind) + " " + std::to_string(back.nPid));
    }
}

// Only the autosaves of instances that did not end cleanly are offered; the
// last one of an instance takes its lock and what a cut-off write left.
TEST(AutosaveStore, OffersOnlyTheAutosavesOfDeadInstances) {
    CTempFolder dir;
    const std::string folder = dir.path + "/state/tavolin/autosave";
    const long me = long(::getpid());
    const unsigned long long start = ProcessStartTime(me);
    const long zombie = ZombiePid();
    struct Row {
        const char* instance;
        std::string lock; // "-": none
        bool bOffered;
    } rows[] = {
        {"1-1", LockText(me, start), false},    // running
        {"2-2", LockText(me, start + 1), true}, // its pid was given to another process
        {"3-3", LockText(EndedPid(), 0), true}, // ended without removing its lock
        {"4-4", "-", true},                     // ended, lock removed, files left
        {"5-5", "rotto", true},
        {"7-7", LockText(zombie, ProcessStartTime(zombie)), true}, // ended, not yet reaped
    };
    CAutosaveStore own(folder, "9-9");
    ASSERT_TRUE(own.Open());
    EXPECT_EQ(0700u, Mode(folder));
    EXPECT_EQ(0600u, Mode(folder + "/9-9.lock"));
    {
        CAutosaveWriter writer(nullptr);
        writer.Write(own.EntryFor(1, "/a.tvd", DOC_DRAWING), "mio");
        for (const Row& r : rows) {
            CAutosaveStore other(folder, r.instance);
            if (r.lock != "-") WriteFileSafely(folder + "/" + r.instance + ".lock", r.lock);
            writer.Write(other.EntryFor(1, std::string("/") + r.instance, DOC_DRAWING), r.instance);
        }
    }
    EXPECT_EQ(0600u, Mode(folder + "/9-9-1.data"));
    WriteFileSafely(folder + "/2-2-1.data.AbCdEf", "troncato");
    WriteFileSafely(folder + "/6-6-1.info", "kind=163\npid=1\npath=/senza-dati\n");
    std::string offered;
    for (const CAutosaveEntry& e : own.Orphans())
        offered += e.path + "=" + FileText(e.dataPath) + " ";
    EXPECT_EQ("/2-2=2-2 /3-3=3-3 /4-4=4-4 /5-5=5-5 /7-7=7-7 ", offered);
    ::waitpid(pid_t(zombie), nullptr, 0);

    for (const CAutosaveEntry& e : own.Orphans())
        own.Remove(e);
    std::string left;
    for (const char* f : {"1-1.lock", "2-2.lock", "2-2-1.data.AbCdEf", "9-9.lock", "9-9-1.data"})
        left += std::string(f) + (Mode(folder + "/" + f) ? "+ " : "- ");
    EXPECT_EQ("1-1.lock+ 2-2.lock- 2-2-1.data.AbCdEf- 9-9.lock+ 9-9-1.data+ ", left);
    own.Close();
    EXPECT_EQ(0u, Mode(folder + "/9-9.lock"));
}

// A save writes its temporary file under its own process id; the next save of
// the same file removes those whose writer has ended, and nothing else.
TEST(SafeFile, RemovesOnlyTheTemporaryFilesOfEndedWriters) {
    CTempFolder folder;
    const std::string ended = std::to_string(EndedPid()), own = std::to_string(::getpid());
    const struct {
        std::string name;
        bool bRemoved;
    } rows[] = {
        {"a.tvd." + ended + "~AbCdEf", true},
        {"a.tvd." + own + "~AbCdEf", false},
        {"b.tvd." + ended + "~AbCdEf", false},
        {"a.tvd." + ended + "~AbCdE", false},
        {"a.tvd.AbCdEf", false},
        {"a.tvd.1x2~AbCdEf", false},
    };
    for (const auto& r : rows)
        WriteFileSafely(folder.path + "/" + r.name, "x");
    ASSERT_TRUE(WriteFileSafely(folder.path + "/a.tvd", "nuovo"));
    for (const auto& r : rows)
        EXPECT_EQ(Mode(folder.path + "/" + r.name) == 0, r.bRemoved) << r.name;
    EXPECT_EQ(FileText(folder.path + "/a.tvd"), "nuovo");
}
