#pragma once
// The fixed-pitch faces the platform offers, and the Windows-1252 text of the
// documents converted to and from Qt's strings.
#include "model/fontfaces.h"

#include <QString>

#include <string>
#include <vector>

class CQtFontFaces final : public IFontFaceSource {
  public:
    // Scalable fixed-pitch families in the font database's order. Names with a
    // character that Windows-1252 cannot hold are left out: a document could not
    // store them.
    std::vector<std::string> FixedPitchFaces() override;
};

QString DecodeCp1252(const std::string& bytes);
// False, leaving `out` unspecified, when a character has no Windows-1252 byte.
bool EncodeCp1252(const QString& text, std::string& out);
// What the user typed, as the bytes a document keeps: a character Windows-1252
// cannot hold becomes "?".
std::string EncodeCp1252Lossy(const QString& text);
