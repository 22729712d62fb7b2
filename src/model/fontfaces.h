#pragma once
// Where the list of font faces a text may choose comes from. The platform layer
// installs a source of the fixed-pitch scalable families; without one the list
// is empty.
#include <string>
#include <vector>

class IFontFaceSource {
  public:
    virtual ~IFontFaceSource() = default;
    virtual std::vector<std::string> FixedPitchFaces() = 0;
};

void SetFontFaceSource(IFontFaceSource* source); // not owned
std::vector<std::string> GetFixedPitchFaces();
