// A user library and a drawing that places its components. The input is
// "library NUL drawing [NUL macro file]"; without a NUL the whole input is the
// library and the drawing places each of its components once. The library is
// written to <program folder>/libs/f.tvl and the macro file to macros/m.tvm,
// so "MC ... f.KEY" and "MC ... m" resolve through the real files. Cycles and
// deep nesting must end; the drawing must then survive the round trip, both
// with macros kept as references and with them split into their components.
#include "fuzz_util.h"

#include "format/component.h"
#include "format/library.h"
#include "format/library_files.h"

#include <cstddef>
#include <cstdint>
#include <fstream>

namespace {
void WriteFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), std::streamsize(content.size()));
    if (!out) fuzz::Fail("cannot write the fuzzed file", path);
}

std::string PlaceEveryComponent(std::string_view library, bool bMacroFile) {
    std::string drawing = "[TAVOLIN f]\r\n";
    std::vector<std::string> comps;
    SplitLibraryText(library, comps, nullptr);
    for (std::size_t i = 0; i < comps.size(); ++i) {
        std::string key;
        if (!ParseComponent(comps[i], nullptr, &key, nullptr, nullptr, &fuzz::Program().context))
            continue;
        drawing += "MC " + std::to_string(100 + 10 * i) + " 100 " + std::to_string(i % 4) + ' ' +
                   std::to_string(i / 4 % 2) + " f." + key + "\r\n";
    }
    if (bMacroFile) drawing += "MC 50 50 1 1 m\r\n";
    return drawing;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrivateProgramDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string& dir = fuzz::PrivateProgramDir();

    std::string_view library = input, drawing, macroFile;
    bool bMacroFile = false;
    const std::size_t nul = input.find('\0');
    if (nul != std::string_view::npos) {
        library = input.substr(0, nul);
        drawing = input.substr(nul + 1);
        const std::size_t nul2 = drawing.find('\0');
        if (nul2 != std::string_view::npos) {
            macroFile = drawing.substr(nul2 + 1);
            drawing = drawing.substr(0, nul2);
            bMacroFile = true;
        }
    }
    WriteFile(dir + "/libs/f.tvl", library);
    const std::string macroPath = dir + "/macros/m.tvm";
    if (bMacroFile) WriteFile(macroPath, macroFile);
    else std::remove(macroPath.c_str());
    const std::string synthesized =
        nul == std::string_view::npos ? PlaceEveryComponent(library, bMacroFile) : std::string();
    if (!synthesized.empty()) drawing = synthesized;

    for (const bool bSplit : {false, true}) {
        // Both the library file cache and the macro cache start cold, so what
        // resolves depends on this input alone.
        fuzz::Program().files.Clear();
        fuzz::Program().cache.Clear();
        fuzz::CheckRoundTrip(drawing, bSplit);
    }
    return 0;
}
