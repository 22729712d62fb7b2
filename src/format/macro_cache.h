#pragma once
// The resolved macros of the whole run, by name. Each holds its components in
// library coordinates with its origin unset. Entries are added, never replaced,
// and never changed: copies of a cache share them.
#include "model/macro.h"

#include <map>
#include <memory>
#include <string>

class CMacroCache {
  public:
    const CMacro* Find(const std::string& name) const;
    // The primitives of the entry, nested ones included; 0 when there is none.
    std::size_t PrimitiveCount(const std::string& name) const;
    bool Contains(const std::string& name) const { return Find(name) != nullptr; }
    // Stores a copy under the name unless the name is already there.
    void Store(const std::string& name, const CMacro& macro);
    // Drops the entries of user libraries and single macros: those whose name
    // does not begin with "~" and has no "~" + name twin. A standard-library
    // component is stored under "~key" and under the key, so it stays.
    void DropUserEntries();
    void Clear();
    std::size_t Size() const { return m_entries.size(); }
    // Adds the entries of `other` whose names this cache does not hold.
    void MergeFrom(const CMacroCache& other);
    // Counts the calls of DropUserEntries and Clear: a copy taken before one
    // may hold entries that are out of date.
    unsigned Generation() const { return m_nGeneration; }

  private:
    struct Entry {
        std::shared_ptr<const CMacro> macro;
        std::size_t nPrimitives = 0;
    };
    std::map<std::string, Entry> m_entries;
    unsigned m_nGeneration = 0;
};
