// Autosaves: what they hold, where they go, whose they are and when they are
// offered again.
#include <filesystem>
#include "support/program_dir_fixture.h"
#include "support/test_util.h"
#include "doc/files/autosave_store.h"
#include "doc/files/autosave_text.h"
#include "doc/files/autosave_writer.h"
#include "doc/library/library_doc.h"
#include "doc/files/safe_file.h"
#include "support/fake_ui.h"

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

// A non-standard macro stays unsplit, a macro file's name is not checked, a
// library's typed titles go in only when a save would take them; nothing is
// asked and the document stays as it was.
class AutosaveContent : public ProgramDirTest {};

TEST_F(AutosaveContent, HoldsTheBytesASaveWritesWithoutAsking) {
    WriteFile("libs/parts.tvl", "[TAVOLIB P]\r\n[R1 r]\r\nLI 100 100 110 100\r\n");
    const std::string lib = "[TAVOLIB Lib]\r\n[R1 Resistenza]\r\nLI 0 0 10 0\r\n[C1 Cond]\r\n";
    struct Row {
        int nKind;
        std::string text, key; // key and title typed into a library; "-": none
        bool bSameAsSave;
    } rows[] = {
        {DOC_DRAWING, "[TAVOLIN Titolo]\r\nMC 100 100 0 0 parts.R1\r\nLI 1 2 3 4\r\n", "-", true},
        {DOC_MACRO, "[MACROCAD M]\r\nLI 0 0 10 10\r\n", "-", true},
        {DOC_LIBRARY, lib, "R9/Nuova", true},
        {DOC_LIBRARY, lib, "C1/Doppia", false}, // the key is taken: the stored text stays
        {DOC_LIBRARY, lib, "/Senza chiave", false},
    };
    CTempFolder dir;
    for (const Row& r : rows) {
        CFakeUi ui;
        std::unique_ptr<CSchemoDoc> doc;
        if (r.nKind == DOC_LIBRARY)
            doc = std::make_unique<CSchemoLibDoc>(&ui, Ctx());
        else
            doc = std::make_unique<CSchemoDoc>(r.nKind, &ui, Ctx());
        ASSERT_TRUE(doc->Load(r.text));
        doc->Append(Read("LI 5 5 50 5"));
        doc->CommitChange();
        if (r.key != "-") {
            auto& fields = static_cast<CSchemoLibDoc&>(*doc).Fields();
            fields.SetKey(r.key.substr(0, r.key.find('/')));
            fields.SetTitle(r.key.substr(r.key.find('/') + 1));
        }
        const std::string text = AutosaveText(*doc);
        EXPECT_EQ("", ui.Told()) << r.text;
        EXPECT_TRUE(doc->IsModified());
        const std::string file = dir.path + "/saved";
        CSaveOptions options;
        options.bSplit = false;
        options.bNeverWarn = true;
        const bool bSaved = doc->Save(file, options);
        EXPECT_EQ(r.bSameAsSave, bSaved && FileText(file) == text) << r.text << r.key;
        const bool bKept = text.find("[R1 Resistenza]\r\nLI 0 0 10 0\r\n[") != std::string::npos;
        EXPECT_EQ(!r.bSameAsSave, bKept) << text;
    }
}

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
