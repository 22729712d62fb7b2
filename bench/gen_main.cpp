// tavolin-gen N SEED OUT: writes a seeded benchmark drawing of N elements.
#include "generate.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("Uso: tavolin-gen N SEME FILE\n", stderr);
        return 2;
    }
    char* end = nullptr;
    const unsigned long long n = std::strtoull(argv[1], &end, 10);
    if (*end != '\0' || n == 0) {
        std::fputs("N deve essere un numero positivo.\n", stderr);
        return 2;
    }
    const unsigned long long seed = std::strtoull(argv[2], &end, 10);
    if (*end != '\0') {
        std::fputs("Il seme deve essere un numero.\n", stderr);
        return 2;
    }
    CBenchMix mix;
    if (!WriteDrawing(argv[3], std::size_t(n), seed, &mix)) {
        std::fprintf(stderr, "Impossibile scrivere il file %s.\n", argv[3]);
        return 1;
    }
    std::printf("%llu elementi: %zu LI, %zu SA, %zu MC, %zu TY, %zu forme, %zu piste/piazzole\n", n,
                mix.lines, mix.dots, mix.macros, mix.texts, mix.shapes, mix.pcb);
    return 0;
}
