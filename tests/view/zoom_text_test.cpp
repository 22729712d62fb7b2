// The zoom box's texts and the coordinate read-out.
#include "view/zoom_text.h"

#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

TEST(ViewZoomBox, OnlyATextWithPercentAndALeadingTenToTwoThousandCounts) {
    struct Case {
        const char* pszText;
        int nTyped, nChosen; // 0: ignored
    } cases[] = {
        {"150%", 150, 150},  {" 75 %", 75, 75},
        {"10%", 10, 10},     {"2000%", 2000, 2000},
        {"+200%", 200, 200}, {"1000%x", 1000, 1000},
        {"5%", 0, 0},        {"9%", 0, 0},
        {"2001%", 0, 0},     {"3000%", 0, 0},
        {"-50%", 0, 0},      {"150", 0, 150},
        {"abc%", 0, 0},      {"%150", 0, 0},
        {"", 0, 0},          {"99999999999999999999%", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseTypedZoom(c.pszText).value_or(0), c.nTyped) << c.pszText;
        EXPECT_EQ(ParseChosenZoom(c.pszText).value_or(0), c.nChosen) << c.pszText;
    }
}

TEST(ViewZoomBox, EveryAcceptedPercentReadsBackAsTyped) {
    for (int n = 10; n <= 2000; ++n)
        ASSERT_EQ(ZoomBoxText(n / 100.0), std::to_string(n) + "%");
    EXPECT_EQ(ZoomBoxText(5.2 * 1.3), "676%");
    EXPECT_EQ(ZoomBoxText(0.129999), "12%");
}

TEST(ViewReadout, ShowsUnitsAndMillimetresWithTwoDecimals) {
    struct Case {
        CPoint pt;
        int nMicrons;
        const char* pszText;
    } cases[] = {
        {{100, 200}, 127, "(100,200) (12.70 mm, 25.40 mm)"},
        {{-3, 0}, 127, "(-3,0) (-0.38 mm, 0.00 mm)"},
        {{7, 1}, 1000, "(7,1) (7.00 mm, 1.00 mm)"},
        {{-2147483647 - 1, 2147483647},
         1000,
         "(-2147483648,2147483647) (-2147483648.00 mm, 2147483647.00 mm)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatReadout(c.pt, c.nMicrons), c.pszText);
}

TEST(ViewReadout, KeepsTheDecimalPointUnderALocaleWithACommaSeparator) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* pszFound = nullptr;
    for (const char* psz :
         {"it_IT.UTF-8", "it_IT.utf8", "it_IT", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, psz)) {
            pszFound = psz;
            break;
        }
    if (!pszFound) GTEST_SKIP() << "no locale with a decimal comma installed";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", 12.7);
    const std::string printed = buf;
    const std::string text = FormatReadout({100, 200}, 127);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(printed, "12,70") << pszFound; // the locale really writes commas
    EXPECT_EQ(text, "(100,200) (12.70 mm, 25.40 mm)");
}
