#include "format/library_watch.h"

#include "format/program_dir.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
void AddFiles(const fs::path& dir, const char* pszExt, std::vector<std::string>& out) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == pszExt && it->is_regular_file(ec))
            files.push_back(it->path().string());
    std::sort(files.begin(), files.end());
    out.insert(out.end(), files.begin(), files.end());
}

bool Holds(const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}
} // namespace

CLibraryWatchSet LibraryWatchSet(const std::vector<std::string>& folders) {
    CLibraryWatchSet set;
    std::error_code ec;
    for (const std::string& folder : folders) {
        if (!fs::is_directory(folder, ec)) continue;
        set.folders.push_back(folder);
        for (const auto& [sub, ext] :
             {std::pair{LIBS_FOLDER, ".tvl"}, std::pair{MACROS_FOLDER, ".tvm"}}) {
            const fs::path dir = fs::path(folder) / sub;
            if (!fs::is_directory(dir, ec)) continue;
            set.contents.push_back(dir.string());
            AddFiles(dir, ext, set.files);
        }
    }
    return set;
}

bool ChangeAffectsTree(const std::string& path, const CLibraryWatchSet& before,
                       const CLibraryWatchSet& after) {
    if (Holds(before.contents, path) || Holds(before.files, path)) return true;
    return before.contents != after.contents;
}
