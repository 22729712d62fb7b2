#pragma once
// The program's QSettings seen as sections and keys of bytes and integers.
// Strings are stored as text and kept as Windows-1252 bytes in the program.
#include "view/forms/layer_settings.h"

class CQtProfileStore final : public IProfileStore {
  public:
    std::string GetString(const std::string& section, const std::string& key) override;
    int GetInt(const std::string& section, const std::string& key, int nDefault) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void WriteInt(const std::string& section, const std::string& key, int nValue) override;
};
