#include "format/macro_cache.h"

const CMacro* CMacroCache::Find(const std::string& name) const {
    const auto it = m_entries.find(name);
    return it == m_entries.end() ? nullptr : it->second.macro.get();
}

std::size_t CMacroCache::PrimitiveCount(const std::string& name) const {
    const auto it = m_entries.find(name);
    return it == m_entries.end() ? 0 : it->second.nPrimitives;
}

void CMacroCache::Store(const std::string& name, const CMacro& macro) {
    if (m_entries.count(name)) return;
    auto copy = std::make_unique<CMacro>();
    copy->Assign(macro);
    const std::size_t n = CountPrimitives(*copy);
    m_entries.emplace(name, Entry{std::move(copy), n});
}

void CMacroCache::Clear() {
    m_entries.clear();
    ++m_nGeneration;
}

void CMacroCache::MergeFrom(const CMacroCache& other) {
    m_entries.insert(other.m_entries.begin(), other.m_entries.end());
}

void CMacroCache::DropUserEntries() {
    ++m_nGeneration;
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        const std::string& name = it->first;
        if (IsStandardMacroName(name) || m_entries.count("~" + name))
            ++it;
        else
            it = m_entries.erase(it);
    }
}
