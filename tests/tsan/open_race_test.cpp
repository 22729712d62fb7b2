// Drawings of user-library macros are read on worker threads, as the editor
// opens files, while this thread reloads the libraries as the watcher does.
#include "doc/document/document.h"
#include "format/macro_tree.h"
#include "format/program_dir.h"
#include "format/resolve.h"
#include "format/resolve_context.h"
#include "model/macro.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <unistd.h>

int main() {
    constexpr int kLines = 1500, kWorkers = 3;
    const auto dir =
        std::filesystem::temp_directory_path() / ("tavolin_open_race_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "libs");
    std::filesystem::create_directories(dir / "macros");
    const auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream((dir / name).string() + ".tmp", std::ios::binary) << text;
        std::filesystem::rename((dir / name).string() + ".tmp", dir / name); // old or new, whole
    };
    // Shown components K0..K9 and hidden ones H0..H9; the version changes their lines.
    const auto writeLibrary = [&](int nVersion) {
        std::string text = "[TAVOLIB Gara]\r\n{Parti}\r\n";
        for (int i = 0; i < 20; ++i)
            text += std::string(i == 10 ? "{hidden}\r\n" : "") + (i < 10 ? "[K" : "[H") +
                    std::to_string(i % 10) + " Parte]\r\nLI 100 100 " +
                    std::to_string(101 + (i + nVersion) % 50) + " 100\r\nMC 100 100 0 0 ~080\r\n";
        write("libs/gara.tvl", text);
    };
    writeLibrary(0);
    write("macros/singola.tvm", "[MACROCAD Singola]\r\nRV 98 98 102 102\r\n");
    // User components shown and hidden, a single macro, a standard symbol and
    // a hidden one that is not cached.
    std::string drawing = "[TAVOLIN Gara]\r\n";
    const std::string kinds[] = {"gara.K", "gara.H", "singola", "~080", "~150"};
    for (int i = 0; i < kLines; ++i)
        drawing += "MC " + std::to_string(200 + i % 1000) + " 300 0 0 " + kinds[i % 5] +
                   (i % 5 < 2 ? std::to_string(i / 5 % 10) : "") + "\r\n";
    write("disegno.tvd", drawing);
    CLibraryState program;
    program.folders = {dir.string()};
    FillMacroCache(program.context);

    CLoadedText loaded[kWorkers];
    std::vector<std::unique_ptr<CPrivateResolve>> resolve;
    for (int t = 0; t < kWorkers; ++t)
        resolve.push_back(std::make_unique<CPrivateResolve>(program.context));
    std::atomic<int> nDone{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < kWorkers; ++t)
        workers.emplace_back([&, t] {
            loaded[t] = ReadDocumentFile((dir / "disegno.tvd").string(), resolve[t]->Context());
            ++nDone;
        });
    for (int nReloads = 1; nDone < kWorkers; ++nReloads) {
        CMacro macro;
        program.cache.DropUserEntries();
        program.files.Clear();
        FillMacroCache(program.context);
        for (const std::string& name : {"gara.H" + std::to_string(nReloads % 10),
                                        std::string("singola"), std::string("~151")})
            ResolveMacro(name, macro, nullptr, nullptr, program.context);
        writeLibrary(nReloads);
    }
    bool bOk = true;
    for (int t = 0; t < kWorkers; ++t) {
        workers[t].join();
        resolve[t]->Merge();
        bOk &= loaded[t].bOk && loaded[t].nError == 0 && int(loaded[t].list.size()) == kLines;
        for (const auto& p : loaded[t].list)
            bOk &= !static_cast<const CMacro&>(*p).m_components.empty();
    }
    std::filesystem::remove_all(dir);
    return bOk ? 0 : 1;
}
