#include "support/core_test.h"

// Each drawing the manual's pictures come from and each example in its pages
// (a library's components too) reads without a skipped line.
TEST(ManualExamples, EachOneReadsWhole) {
    CLibraryState library;
    std::vector<std::string> texts, parts;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(MANUAL_DIR)) {
        std::string s, open = "<pre class=\"tvd\">";
        if (ReadWholeFile(entry.path().string(), s) && entry.path().extension() == ".tvd")
            texts.push_back(s);
        for (std::size_t at = s.find(open); at != std::string::npos; at = s.find(open, at + 1))
            texts.push_back(s.substr(at + open.size(), s.find("</pre>", at) - at - open.size()));
    }
    EXPECT_GE(texts.size(), 20u);
    for (const std::string& text : texts) {
        CPrimitiveList list;
        CMacro macro;
        int nError = -1, nKind = 0;
        EXPECT_TRUE(ParseHeaderedText(text, &list, &parts, nullptr, &nError, &nKind, nullptr,
                                      &library.context));
        EXPECT_TRUE(nError == 0 && (nKind == TEXT_LIBRARY || !list.empty())) << text;
        for (std::size_t i = 0; nKind == TEXT_LIBRARY && i < parts.size(); ++i)
            EXPECT_TRUE(
                ParseComponent(parts[i], &macro, nullptr, nullptr, &nError, &library.context) &&
                !nError)
                << parts[i];
    }
}
