#include "doc/files/disk_watch.h"
#include "doc/document/document_ui.h"
#include "doc/document/system_error.h"

#include <gtest/gtest.h>

TEST(Messages, AFilledInLineIsTracedBackToItsTemplateAndName) {
    const struct {
        std::string line;
        const char* pszTemplate;
        const char* pszArg;
    } kCases[] = {
        {ReloadQuestion("a b.tvd"), MSG_FILE_RELOAD, "a b.tvd"},
        {RemovedMessage("\xE8.tvd"), MSG_FILE_REMOVED, "\xE8.tvd"},
        {OverwriteQuestion(""), MSG_FILE_OVERWRITE, ""},
        {SystemErrorText(9999), MSG_SYSTEM_ERROR, "9999"},
        {"Impossibile salvare il file /x/y.tvd.", MSG_CANNOT_SAVE, "/x/y.tvd"},
        {"Impossibile salvare il file", nullptr, ""},
        {RemoveComponentQuestion(""), nullptr, ""},
        {"Formato del file non corretto.", nullptr, ""},
    };
    for (const auto& c : kCases) {
        const CFilledMessage m = RecogniseMessage(c.line);
        EXPECT_EQ(m.pszTemplate, c.pszTemplate) << c.line;
        EXPECT_EQ(m.arg, c.pszArg) << c.line;
        if (m.pszTemplate) {
            EXPECT_EQ(FillMessage(m.pszTemplate, m.arg), c.line);
        }
    }
    EXPECT_EQ(RemovedMessage("a"), "Il file a \xE8 stato eliminato da un altro programma.");
}
