#include "format/component.h"
#include "format/reader.h"
#include "model/macro.h"

#include <gtest/gtest.h>

#include <filesystem>

// Every example of the manual's pages, and every drawing its pictures are
// made from, reads without a skipped line.
TEST(ManualExamples, EachOneReadsWhole) {
    std::vector<std::pair<std::string, std::string>> examples; // where, text
    for (const auto& entry : std::filesystem::recursive_directory_iterator(MANUAL_DIR)) {
        std::string text;
        const std::string path = entry.path().string(), ext = entry.path().extension().string();
        if ((ext != ".html" && ext != ".tvd") || !ReadWholeFile(path, text)) continue;
        if (ext == ".tvd") examples.emplace_back(path, text);
        const std::string open = "<pre class=\"tvd\">";
        for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
            at += open.size();
            examples.emplace_back(path, text.substr(at, text.find("</pre>", at) - at));
        }
    }
    EXPECT_GE(examples.size(), 20u);
    for (const auto& [where, text] : examples) {
        CPrimitiveList list;
        std::vector<std::string> components;
        int nError = -1, nKind = TEXT_NONE;
        EXPECT_TRUE(ParseHeaderedText(text, &list, &components, nullptr, &nError, &nKind, nullptr));
        EXPECT_EQ(nError, 0) << where << ":\n" << text;
        for (const std::string& component : components) { // a library: each body too
            CMacro macro;
            EXPECT_TRUE(ParseComponent(component, &macro, nullptr, nullptr, &nError));
            EXPECT_EQ(nError, 0) << where << ":\n" << component;
        }
        EXPECT_FALSE(list.empty() && components.empty()) << where;
    }
}
