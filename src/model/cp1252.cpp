#include "model/cp1252.h"

namespace {
// Bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined keep their
// Latin-1 meaning, so every byte decodes and encodes back to itself.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

char16_t Cp1252ToUtf16(unsigned char b) {
    return (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : static_cast<char16_t>(b);
}

std::u16string Cp1252ToUtf16(const std::string& bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char ch : bytes)
        out += Cp1252ToUtf16(static_cast<unsigned char>(ch));
    return out;
}

bool Utf16ToCp1252(char16_t c, char& out) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        out = char(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == c) {
            out = char(0x80 + i);
            return true;
        }
    }
    return false;
}
