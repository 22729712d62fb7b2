// A drawing of user-library macros is read on a worker thread, as the editor
// opens a file, while this thread reloads the libraries as the watcher does.
#include "doc/document.h"
#include "format/macro_tree.h"
#include "format/program_dir.h"
#include "format/resolve.h"
#include "format/resolve_context.h"
#include "model/macro.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr int kComponents = 20;
constexpr int kLines = 4000;

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path.string() + ".tmp", std::ios::binary) << text;
    fs::rename(path.string() + ".tmp", path); // readers see the old text or the new, whole
}

// Shown components K0.. and hidden ones H0..; the version changes their lines.
void WriteLibrary(const fs::path& dir, int nVersion) {
    std::string text = "[TAVOLIB Gara]\r\n{Parti}\r\n";
    for (const char* prefix : {"K", "H"}) {
        for (int i = 0; i < kComponents; ++i)
            text += "[" + std::string(prefix) + std::to_string(i) + " Parte]\r\nLI 100 100 " +
                    std::to_string(101 + (i + nVersion) % 50) + " 100\r\nMC 100 100 0 0 ~080\r\n";
        text += "{hidden}\r\n";
    }
    WriteFile(dir / "libs" / "gara.tvl", text);
}

// User components shown and hidden, a single macro, a standard symbol and a
// hidden one that is not cached.
std::string Drawing() {
    std::string text = "[TAVOLIN Gara]\r\n";
    const std::string kinds[] = {"gara.K", "gara.H", "singola", "~080", "~150"};
    for (int i = 0; i < kLines; ++i)
        text += "MC " + std::to_string(200 + i % 1000) + " 300 0 0 " + kinds[i % 5] +
                (i % 5 < 2 ? std::to_string(i / 5 % kComponents) : "") + "\r\n";
    return text;
}

void Reload(const fs::path& dir, int nVersion) {
    g_macroCache.DropUserEntries();
    ForgetLibraryFiles();
    FillMacroCache();
    CMacro macro;
    ResolveMacro("gara.H" + std::to_string(nVersion % kComponents), macro, nullptr, nullptr);
    ResolveMacro("singola", macro, nullptr, nullptr);
    ResolveMacro("~151", macro, nullptr, nullptr);
    WriteLibrary(dir, nVersion);
}
} // namespace

int main() {
    const fs::path dir =
        fs::temp_directory_path() / ("tavolin_open_race_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "libs");
    fs::create_directories(dir / "macros");
    WriteLibrary(dir, 0);
    WriteFile(dir / "macros" / "singola.tvm", "[MACROCAD Singola]\r\nRV 98 98 102 102\r\n");
    WriteFile(dir / "disegno.tvd", Drawing());
    g_libraryFolders = {dir.string()};
    FillMacroCache();

    CLoadedText loaded;
    std::atomic<bool> bDone{false};
    CPrivateResolve resolve;
    std::thread worker([&] {
        resolve.Run([&] { loaded = ReadDocumentFile((dir / "disegno.tvd").string()); });
        bDone = true;
    });
    int nReloads = 0;
    do
        Reload(dir, ++nReloads);
    while (!bDone);
    worker.join();
    resolve.Merge();
    fs::remove_all(dir);

    std::size_t nResolved = 0;
    for (const auto& p : loaded.list)
        if (auto* m = dynamic_cast<const CMacro*>(p.get()); m && !m->m_components.empty())
            ++nResolved;
    std::printf("%zu of %d macros resolved, %d reloads meanwhile\n", nResolved, kLines, nReloads);
    return loaded.bOk && loaded.nError == 0 && nResolved == std::size_t(kLines) ? 0 : 1;
}
