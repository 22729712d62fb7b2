#pragma once
// Which language the interface shows: the "Lingua dell'interfaccia" setting
// ("strLanguage" in "Configurazione") and, when it is automatic, the user's
// own languages. Chosen once at start.
#include <string>
#include <vector>

enum UiLanguage { UILANG_AUTO, UILANG_ITALIAN, UILANG_ENGLISH };

// Where the choice is kept: written only once the user has made one.
extern const char* const kUiLanguageSection; // "Configurazione"
extern const char* const kUiLanguageKey;     // "strLanguage"

// "it" and "en"; anything else (also a key never written) is automatic.
UiLanguage ParseUiLanguage(const std::string& value);
const char* UiLanguageValue(UiLanguage language);

// Automatic shows Italian when the first UI language is Italian ("it",
// "it-IT", "it_CH", ...) or when the locale is C or POSIX, English otherwise.
bool ShowsEnglish(UiLanguage chosen, const std::vector<std::string>& uiLanguages, bool bCLocale);
