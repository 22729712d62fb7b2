#pragma once
// A library text split into component texts, with its components found by key.
// Library files are read once and read again only when they change on disk, so
// that resolving many names from a large library stays linear.
#include "format/library.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct CLibraryIndex {
    std::string name; // the header name
    std::vector<std::string> components;
    std::vector<LibraryCategory> categories;
    std::unordered_map<std::string, int> firstByKey;

    // The first component with exactly this key, or null.
    const std::string* Find(const std::string& key) const;
};

// Null when the text is not a library (no "TAVOLIB" header).
std::shared_ptr<const CLibraryIndex> IndexLibraryText(const std::string& text);

// The library files read so far, by path. Copies share the indexes, which
// never change once made.
class CLibraryFileCache {
  public:
    // The library file at the path, or null when it cannot be read or is not a library.
    std::shared_ptr<const CLibraryIndex> Load(const std::string& path);
    void Clear();
    // Adds the files of `other` that this cache does not hold.
    void MergeFrom(const CLibraryFileCache& other);
    // Counts the calls of Clear: a copy taken before one is out of date.
    unsigned Generation() const { return m_nGeneration; }

  private:
    struct CachedFile {
        long long mtime = 0, size = -1;
        std::shared_ptr<const CLibraryIndex> index;
    };
    std::map<std::string, CachedFile> m_files;
    unsigned m_nGeneration = 0;
};

// A file still being copied grows while it is read: it is read again (a few
// times at most) until its size before and after the read agree with the text.
bool ReadSettledFile(const std::string& path, std::string& out);
