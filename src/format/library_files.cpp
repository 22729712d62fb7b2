#include "format/library_files.h"

#include "format/component.h"
#include "format/reader.h"

#include <filesystem>
#include <sys/stat.h>

const std::string* CLibraryIndex::Find(const std::string& key) const {
    const auto it = firstByKey.find(key);
    return it == firstByKey.end() ? nullptr : &components[std::size_t(it->second)];
}

std::shared_ptr<const CLibraryIndex> IndexLibraryText(const std::string& text) {
    auto index = std::make_shared<CLibraryIndex>();
    int kind = TEXT_NONE;
    if (!ParseHeaderedText(text, nullptr, &index->components, &index->name, nullptr, &kind,
                           &index->categories, nullptr) ||
        kind != TEXT_LIBRARY)
        return nullptr;
    std::string key;
    for (std::size_t i = 0; i < index->components.size(); ++i)
        if (ParseComponent(index->components[i], nullptr, &key, nullptr, nullptr, nullptr))
            index->firstByKey.emplace(key, int(i)); // the first of equal keys wins
    return index;
}

std::shared_ptr<const CLibraryIndex> CLibraryFileCache::Load(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        m_files.erase(path);
        return nullptr;
    }
    const long long mtime = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    CachedFile& cached = m_files[path];
    if (cached.index && cached.mtime == mtime && cached.size == (long long)st.st_size)
        return cached.index;
    std::string text;
    cached = CachedFile{mtime, (long long)st.st_size,
                        ReadSettledFile(path, text) ? IndexLibraryText(text) : nullptr};
    return cached.index;
}

void CLibraryFileCache::Clear() {
    m_files.clear();
    ++m_nGeneration;
}

void CLibraryFileCache::MergeFrom(const CLibraryFileCache& other) {
    m_files.insert(other.m_files.begin(), other.m_files.end());
}

bool ReadSettledFile(const std::string& path, std::string& out) {
    constexpr int kAttempts = 5;
    bool ok = false;
    for (int i = 0; i < kAttempts; ++i) {
        std::error_code ec1, ec2;
        const auto before = std::filesystem::file_size(path, ec1);
        ok = ReadWholeFile(path, out);
        const auto after = std::filesystem::file_size(path, ec2);
        if (!ok || ec1 || ec2 || (before == after && out.size() == after)) break;
    }
    return ok;
}
