#include "cli.h"

#include <cstdio>
#include <cstring>

const char* const MSG_BAD_FORMAT = "Formato del file non corretto.";
const char* const MSG_READ_ERRORS =
    "Sono stati incontrati uno o piu' errori in lettura. I comandi sconosciuti sono stati "
    "ignorati.";

namespace {
void Usage() {
    std::fputs("Uso:\n"
               "  tavolin-cli normalize [--split] [--as drawing|macro] [--program-dir DIR] IN "
               "[-o OUT]\n"
               "  tavolin-cli render [--program-dir DIR] IN -o OUT.png [--size WxH]\n"
               "  tavolin-cli library list|dump|sheet [--program-dir DIR] [FILE.tvl] [-o OUT.png]\n",
               stderr);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage();
        return 2;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (std::strcmp(argv[1], "normalize") == 0) return RunNormalize(args);
    if (std::strcmp(argv[1], "render") == 0) return RunRender(args);
    if (std::strcmp(argv[1], "library") == 0) return RunLibrary(args);
    Usage();
    return 2;
}
