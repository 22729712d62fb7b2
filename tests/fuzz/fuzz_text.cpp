// A headered text through the reader and the writer: the kind found without
// parsing agrees with the parse, and a rewritten text is a fixed point.
#include "fuzz_util.h"

#include "format/scan.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::PrivateProgramDir(); // "MC" lines may only find the standard library
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // What one input resolves must not leak into the next.
    fuzz::Program().cache.Clear();

    const int detected = DetectTextKind(text);
    const fuzz::Parsed parsed = fuzz::Read(text);
    if (detected == TEXT_NONE) fuzz::Check(!parsed.ok, "no header found, yet parsed", text);
    if (parsed.ok) {
        fuzz::Check(parsed.kind == detected, "DetectTextKind agrees with the parse", text);
        fuzz::Check(parsed.name.find(']') == std::string::npos &&
                        parsed.name.find('\n') == std::string::npos,
                    "a title holds neither ']' nor a line break", parsed.name);
    }

    // The same bytes as a bare body, so that inputs whose header got mangled
    // still exercise the line reader: one primitive per accepted line, the
    // error flag set exactly when a non-blank line was refused.
    CPrimitiveList list;
    int error = -1;
    fuzz::Check(ParseDrawingLines(text, list, &error, fuzz::Program().context),
                "ParseDrawingLines answers true");
    std::size_t nonBlank = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        nonBlank += Trim(text.substr(pos, end - pos)).empty() ? 0 : 1;
        pos = end + 1;
    }
    fuzz::Check(list.size() <= nonBlank, "at most one primitive per line");
    fuzz::Check((error & READ_REFUSED) == (list.size() < nonBlank ? READ_REFUSED : 0),
                "the error flags count refused lines");
    const std::string body = FormatPrimitiveLines(list, false);
    CPrimitiveList again;
    ParseDrawingLines(body, again, &error, fuzz::Program().context);
    fuzz::Check((error & READ_REFUSED) == 0, "every written line is accepted", body);
    fuzz::Check(FormatPrimitiveLines(again, false) == body, "a written body is a fixed point", body,
                FormatPrimitiveLines(again, false));

    fuzz::CheckRoundTrip(text, false);
    return 0;
}
