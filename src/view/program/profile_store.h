#pragma once
#include <string>

// Where settings are kept between runs, by section and key, as the registry
// keeps them: strings are bytes, numbers 32-bit integers.
class IProfileStore {
  public:
    virtual ~IProfileStore() = default;
    // "" when the key is absent.
    virtual std::string GetString(const std::string& section, const std::string& key) = 0;
    // nDefault when the key is absent or not a number.
    virtual int GetInt(const std::string& section, const std::string& key, int nDefault) = 0;
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    virtual void WriteInt(const std::string& section, const std::string& key, int nValue) = 0;
};
