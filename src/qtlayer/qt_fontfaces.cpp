#include "qtlayer/qt_fontfaces.h"

#include "model/cp1252.h"

#include <QFontDatabase>
#include <QStringList>

QString DecodeCp1252(const std::string& bytes) {
    return QString::fromStdU16String(Cp1252ToUtf16(bytes));
}

bool EncodeCp1252(const QString& text, std::string& out) {
    out.clear();
    out.reserve(std::size_t(text.size()));
    for (const QChar c : text) {
        char b = 0;
        if (!Utf16ToCp1252(c.unicode(), b)) return false;
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
        Utf16ToCp1252(c.unicode(), b);
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
