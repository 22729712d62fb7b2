#include "format/library.h"

#include "format/scan.h"

bool SplitLibraryText(std::string_view text, std::vector<std::string>& components,
                      std::vector<LibraryCategory>* categories) {
    components.clear();
    if (categories) categories->assign(1, LibraryCategory{});
    std::string current;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = TrimRight(text.substr(pos, end - pos));
        pos = end + 1;
        if (!line.empty() && line[0] == '[') {
            if (!current.empty()) components.push_back(std::move(current));
            current.assign(line);
            current += '\n';
        } else if (!line.empty() && line[0] == '{') {
            if (!current.empty()) components.push_back(std::move(current));
            current.clear();
            if (categories) {
                const std::size_t close = line.find('}');
                const std::size_t n = close == std::string_view::npos ? line.size() - 1 : close - 1;
                categories->push_back({std::string(line.substr(1, n)), int(components.size())});
            }
        } else if (!current.empty() && !line.empty()) {
            current.append(line);
            current += '\n';
        }
    }
    if (!current.empty()) components.push_back(std::move(current));
    return true;
}
