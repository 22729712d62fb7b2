#pragma once
// A zip archive that stores its files as they are (no compression).
#include "doc/fab/fab_units.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

std::uint32_t Crc32(const std::string& data);

// Names and contents, in order, each dated `date`.
std::string ZipStored(const std::vector<std::pair<std::string, std::string>>& files,
                      const CFabDate& date);
