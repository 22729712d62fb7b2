#pragma once
// Shared by the fuzz targets: failing a property, a private program folder,
// and the write-read-write round trip of a headered text.
#include "format/program_dir.h"
#include "format/reader.h"
#include "format/resolve_context.h"
#include "format/writer.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace fuzz {

// Printable, bounded rendering of a text for a failure message.
inline std::string Show(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size() && out.size() < 2000; ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == '\n')
            out += "\\n\n";
        else if (c == '\r')
            out += "\\r";
        else if (c < 32 || c >= 127) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else
            out += char(c);
    }
    if (out.size() >= 2000) out += "...";
    return out;
}

// A property failure is a crash to libFuzzer, so the input is kept as an artifact.
[[noreturn]] inline void Fail(const char* what, std::string_view a = {}, std::string_view b = {}) {
    std::fprintf(stderr, "\n*** property failed: %s\n", what);
    if (!a.empty()) std::fprintf(stderr, "--- first:\n%s\n", Show(a).c_str());
    if (!b.empty()) std::fprintf(stderr, "--- second:\n%s\n", Show(b).c_str());
    std::abort();
}

inline void Check(bool ok, const char* what, std::string_view a = {}, std::string_view b = {}) {
    if (!ok) Fail(what, a, b);
}

// The library state every input of a target reads with.
inline CLibraryState& Program() {
    static CLibraryState state;
    return state;
}

// A fresh program folder with empty libs/ and macros/, removed at exit; it
// becomes the only library folder so that nothing outside it is ever read. Memory
// backed when possible: some targets write files on every input.
inline const std::string& PrivateProgramDir() {
    static const std::string dir = [] {
        Program(); // made before the handler below is registered, so it outlives it
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string tmpl = (base / "tavolin-fuzz-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::filesystem::create_directories(tmpl + "/libs");
        std::filesystem::create_directories(tmpl + "/macros");
        std::atexit([] {
            std::error_code ec;
            const std::vector<std::string>& folders = Program().folders;
            if (!folders.empty()) std::filesystem::remove_all(folders.front(), ec);
        });
        return tmpl;
    }();
    Program().folders = {dir};
    return dir;
}

inline const char* HeaderKeyword(int kind) {
    return kind == TEXT_MACRO ? "MACROCAD" : "TAVOLIN";
}

struct Parsed {
    bool ok = false;
    int kind = TEXT_NONE;
    int error = 0;
    std::string name;
    CPrimitiveList list;
};

inline Parsed Read(std::string_view text) {
    Parsed p;
    p.ok = ParseHeaderedText(text, &p.list, nullptr, &p.name, &p.error, &p.kind, nullptr,
                             &Program().context);
    return p;
}

inline std::string Write(const Parsed& p, bool bSplit) {
    return FormatHeader(HeaderKeyword(p.kind), p.name) + FormatPrimitiveLines(p.list, bSplit);
}

// A drawing or macro text, once rewritten, reads back to exactly the same
// text, with every line accepted. Answers the rewritten text (empty when the
// input is not such a text).
inline std::string CheckRoundTrip(std::string_view text, bool bSplit) {
    const Parsed first = Read(text);
    if (!first.ok || (first.kind != TEXT_DRAWING && first.kind != TEXT_MACRO)) return {};
    const std::string w1 = Write(first, bSplit);
    const Parsed second = Read(w1);
    Check(second.ok, "the rewritten text has a valid header", w1);
    Check(second.kind == first.kind, "the rewritten text keeps its kind", w1);
    Check(second.name == first.name, "the rewritten text keeps its title", first.name, second.name);
    // Primitives on a layer beyond the sixteen are kept and written back on purpose.
    Check((second.error & READ_REFUSED) == 0, "every rewritten line is accepted", w1);
    if (!bSplit) {
        std::size_t complete = 0;
        for (const auto& q : first.list)
            complete += q->IsComplete() ? 1 : 0;
        Check(second.list.size() == complete, "one line per complete primitive", w1);
    }
    const std::string w2 = Write(second, bSplit);
    Check(w2 == w1, "write(read(w1)) == w1", w1, w2);
    return w1;
}

} // namespace fuzz
