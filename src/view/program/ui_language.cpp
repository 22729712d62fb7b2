#include "view/program/ui_language.h"

const char* const kUiLanguageSection = "Configurazione";
const char* const kUiLanguageKey = "strLanguage";

UiLanguage ParseUiLanguage(const std::string& value) {
    if (value == "it") return UILANG_ITALIAN;
    if (value == "en") return UILANG_ENGLISH;
    return UILANG_AUTO;
}

const char* UiLanguageValue(UiLanguage language) {
    switch (language) {
    case UILANG_ITALIAN:
        return "it";
    case UILANG_ENGLISH:
        return "en";
    default:
        return "auto";
    }
}

bool ShowsEnglish(UiLanguage chosen, const std::vector<std::string>& uiLanguages, bool bCLocale) {
    if (chosen != UILANG_AUTO) return chosen == UILANG_ENGLISH;
    if (bCLocale || uiLanguages.empty()) return false;
    const std::string& first = uiLanguages.front();
    const bool bItalian =
        first.compare(0, 2, "it") == 0 && (first.size() == 2 || first[2] == '-' || first[2] == '_');
    return !bItalian;
}
