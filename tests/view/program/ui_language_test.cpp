#include "view/program/ui_language.h"

#include <gtest/gtest.h>

TEST(UiLanguage, TheSettingOrTheUsersLanguagesChooseEnglish) {
    const struct {
        const char* pszSetting;
        std::vector<std::string> languages;
        bool bCLocale, bEnglish;
    } kCases[] = {
        {"", {"it-IT", "en-US"}, false, false},
        {"", {"it"}, false, false},
        {"", {"en-US", "it-IT"}, false, true},
        {"", {"de-DE"}, false, true},
        {"", {"ita"}, false, true}, // not the code "it"
        {"", {"en-US"}, true, false},
        {"", {}, false, false},
        {"auto", {"fr-FR"}, false, true},
        {"it", {"en-US"}, false, false},
        {"en", {"it-IT"}, true, true},
        {"EN", {"it-IT"}, false, false}, // unknown values count as automatic
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ShowsEnglish(ParseUiLanguage(c.pszSetting), c.languages, c.bCLocale), c.bEnglish)
            << c.pszSetting << " " << (c.languages.empty() ? "" : c.languages[0]);
    for (UiLanguage l : {UILANG_AUTO, UILANG_ITALIAN, UILANG_ENGLISH})
        EXPECT_EQ(ParseUiLanguage(UiLanguageValue(l)), l);
}
