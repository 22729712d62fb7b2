#include "app/text_codec.h"

namespace {
// 0x80..0x9F differ from Latin-1; 0 marks the five bytes the code page leaves undefined,
// which are shown as the control characters of the same number.
const char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Decode(unsigned char c) {
    if (c < 0x80 || c > 0x9F) return c;
    return kHigh[c - 0x80] ? kHigh[c - 0x80] : c;
}
} // namespace

QString FromBytes(const std::string& bytes) {
    QString s;
    s.reserve(int(bytes.size()));
    for (unsigned char c : bytes) s.append(QChar(Decode(c)));
    return s;
}

std::string ToBytes(const QString& text) {
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        char b = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = char(u);
        } else {
            for (int i = 0; i < 32; ++i)
                if (Decode((unsigned char)(0x80 + i)) == u) b = char(0x80 + i);
        }
        out += b;
    }
    return out;
}
