#include "format/stdlib.h"

#include <cstddef>

extern const char g_stdLibsText[];
extern const std::size_t g_stdLibsTextSize;

std::string_view StandardLibraryText() {
    return {g_stdLibsText, g_stdLibsTextSize};
}

const CLibraryIndex& StandardLibrary() {
    static const std::shared_ptr<const CLibraryIndex> s_index = [] {
        auto index = IndexLibraryText(std::string(StandardLibraryText()));
        return index ? index : std::make_shared<const CLibraryIndex>();
    }();
    return *s_index;
}

bool IsStandardLibraryName(const std::string& name) {
    return StandardLibrary().Find(name) != nullptr;
}
