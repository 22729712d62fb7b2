#pragma once
#include "view/profile_store.h"

#include <map>
#include <string>
#include <vector>

// Settings kept in memory, "section/key" to value, with a log of the writes.
class CFakeProfileStore final : public IProfileStore {
  public:
    std::map<std::string, std::string> m_strings;
    std::map<std::string, int> m_ints;
    std::vector<std::string> m_writes; // "section/key" in order

    std::string GetString(const std::string& section, const std::string& key) override {
        const auto it = m_strings.find(section + "/" + key);
        return it == m_strings.end() ? std::string() : it->second;
    }
    int GetInt(const std::string& section, const std::string& key, int nDefault) override {
        const auto it = m_ints.find(section + "/" + key);
        return it == m_ints.end() ? nDefault : it->second;
    }
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        m_strings[section + "/" + key] = value;
        m_writes.push_back(section + "/" + key);
    }
    void WriteInt(const std::string& section, const std::string& key, int nValue) override {
        m_ints[section + "/" + key] = nValue;
        m_writes.push_back(section + "/" + key);
    }
};
