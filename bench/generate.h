#pragma once
// Seeded drawings for the benchmarks: N elements spread over the 2500 x 2500
// sheet, mostly wires, with dots, standard symbols, texts, other shapes and PCB
// tracks and pads on layers 0..3 (a few higher).
#include <cstddef>
#include <cstdint>
#include <string>

// How many elements of each kind a generated drawing holds.
struct CBenchMix {
    std::size_t lines = 0, dots = 0, macros = 0, texts = 0, shapes = 0, pcb = 0;
};

// The logical point that no generated element comes near, so that a hit test
// there misses everything and walks the whole list.
constexpr int kMissX = 1250;
constexpr int kMissY = 1250;

// The drawing text: "[TAVOLIN title]" CR LF and one command per line.
std::string GenerateDrawing(std::size_t n, std::uint64_t seed, CBenchMix* mix = nullptr);

// Writes GenerateDrawing(n, seed) to the path; false when it cannot be written.
bool WriteDrawing(const std::string& path, std::size_t n, std::uint64_t seed,
                  CBenchMix* mix = nullptr);
