#include "qtlayer/qt_fontfaces.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// Bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined keep their
// Latin-1 meaning, so every byte decodes and encodes back to itself.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool EncodeChar(char16_t c, char& out) {
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

} // namespace

QString DecodeCp1252(const std::string& bytes) {
    QString s;
    s.resize(qsizetype(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        s[qsizetype(i)] = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    }
    return s;
}

bool EncodeCp1252(const QString& text, std::string& out) {
    out.clear();
    out.reserve(std::size_t(text.size()));
    for (const QChar c : text) {
        char b = 0;
        if (!EncodeChar(c.unicode(), b)) return false;
        out += b;
    }
    return true;
}

// A character beyond the 16-bit range (two UTF-16 units) is one "?" too.
std::string EncodeCp1252Lossy(const QString& text) {
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        char b = '?';
        EncodeChar(c.unicode(), b);
        out += b;
    }
    return out;
}

std::vector<std::string> CQtFontFaces::FixedPitchFaces() {
    std::vector<std::string> faces;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isFixedPitch(family) || !QFontDatabase::isScalable(family)) continue;
        std::string name;
        if (EncodeCp1252(family, name)) faces.push_back(std::move(name));
    }
    return faces;
}
