#include "format/library.h"

#include "format/scan.h"
#include "format/writer.h"

#include <algorithm>

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

std::vector<std::string> CategoryOfEachComponent(const std::vector<LibraryCategory>& categories,
                                                 std::size_t count) {
    std::vector<std::string> names(count);
    for (std::size_t k = 0; k < categories.size(); ++k) {
        const std::size_t first = std::size_t(std::max(categories[k].nFirst, 0));
        const std::size_t end =
            k + 1 < categories.size() ? std::size_t(std::max(categories[k + 1].nFirst, 0)) : count;
        for (std::size_t i = first; i < end && i < count; ++i)
            names[i] = categories[k].name;
    }
    return names;
}

namespace {
void AppendWithCrLf(std::string& out, std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.append(line);
        out += "\r\n";
        pos = end + 1;
    }
}
} // namespace

std::string FormatLibraryText(const std::string& name, const std::vector<std::string>& components,
                              const std::vector<std::string>& categories) {
    std::string out = FormatHeader("TAVOLIB", name);
    const std::string unnamed;
    const std::string* current = &unnamed;
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::string& category = i < categories.size() ? categories[i] : unnamed;
        if (category != *current) {
            out += "{" + category + "}\r\n";
            current = &category;
        }
        AppendWithCrLf(out, components[i]);
    }
    return out;
}
