#pragma once
// Settings between runs held in memory, for the forms that load and store them.
#include "view/program/profile_store.h"

#include <map>
#include <string>
#include <vector>

// "section/key" to value, strings and numbers alike, with the keys written in order.
class CFakeProfileStore final : public IProfileStore {
  public:
    std::map<std::string, std::string> m_values;
    std::vector<std::string> m_writes;

    std::string GetString(const std::string& section, const std::string& key) override {
        return m_values[section + "/" + key];
    }
    int GetInt(const std::string& section, const std::string& key, int nDefault) override {
        const auto it = m_values.find(section + "/" + key);
        return it == m_values.end() ? nDefault : std::stoi(it->second);
    }
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        m_values[section + "/" + key] = value;
        m_writes.push_back(section + "/" + key);
    }
    void WriteInt(const std::string& section, const std::string& key, int nValue) override {
        WriteString(section, key, std::to_string(nValue));
    }
};
