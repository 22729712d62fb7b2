#include "doc/fab/fab_request.h"

#include "doc/document/document_ui.h"

#include <cstdlib>
#include <ctime>

bool ParseFabLength(const std::string& text, bool bZeroOk, std::int64_t& nm) {
    std::int64_t v = 0;
    if (!ParseMm(text, v) || v > 10000000 || (!bZeroOk && v == 0)) return false;
    nm = v;
    return true;
}

std::string FabStem(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

CFabDate FabDateNow() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch && *epoch) return FabDateFromEpoch(std::strtoll(epoch, nullptr, 10));
    return FabDateFromEpoch(std::int64_t(std::time(nullptr)));
}

std::string FabRefusal(const CFabSet& set, int nOutlineLayer) {
    switch (set.result) {
    case FAB_NO_COPPER:
        return MSG_FAB_NO_COPPER;
    case FAB_OUTLINE_OPEN:
        return FillMessage(MSG_FAB_OUTLINE_OPEN, std::to_string(nOutlineLayer));
    case FAB_TOO_LARGE:
        return MSG_FAB_TOO_LARGE;
    case FAB_OK:
        break;
    }
    return std::string();
}

std::string FabWrittenMessage(const CFabSet& set, const std::string& where) {
    std::string names;
    for (const CFabFile& f : set.files)
        names += (names.empty() ? "" : ", ") + f.strName;
    return FillMessage(MSG_FAB_WRITTEN, where) + "\n" + names;
}
