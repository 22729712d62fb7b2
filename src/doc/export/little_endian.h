#pragma once
// Numbers appended to a byte string lowest byte first, as the file formats
// we write (BMP, ZIP) store them.
#include <cstdint>
#include <string>

inline void Put16(std::string& s, std::uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
inline void Put32(std::string& s, std::uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}
