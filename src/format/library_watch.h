#pragma once
// What must be watched so that a change of the library folders is noticed:
// a folder watch alone misses a file rewritten in place, and a file watch
// misses a file that is added.
#include <string>
#include <vector>

struct CLibraryWatchSet {
    std::vector<std::string> folders;  // the library folders that exist: `libs` may appear in them
    std::vector<std::string> contents; // their `libs` and `macros` that exist
    std::vector<std::string> files;    // the "*.tvl" of `libs` and the "*.tvm" of `macros`
};

CLibraryWatchSet LibraryWatchSet(const std::vector<std::string>& folders);

// Whether a change reported for `path` can change the macro tree: anything in
// `libs` or `macros`, and a library folder only when one of those appeared or
// went (`before` and `after` are the sets around the change).
bool ChangeAffectsTree(const std::string& path, const CLibraryWatchSet& before,
                       const CLibraryWatchSet& after);
