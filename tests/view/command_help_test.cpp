#include "view/action_table.h"
#include "view/command_help.h"
#include "view/manual_path.h"

#include <gtest/gtest.h>

#include <set>

// What's this? answers on every button and menu item, and only about real commands.
TEST(CommandHelp, EveryMenuItemAndButtonHasASentence) {
    std::set<int> shown(CommonToolbar().begin(), CommonToolbar().end());
    shown.insert(PrimitivesToolbar().begin(), PrimitivesToolbar().end());
    for (int kind : {MENUBAR_NONE, MENUBAR_DRAWING, MENUBAR_LIBRARY})
        for (const CMenuDef& menu : MenuBar(kind))
            shown.insert(menu.items.begin(), menu.items.end());
    for (int id : shown)
        EXPECT_TRUE(FindAction(id) == nullptr || CommandHelp(id) != nullptr) << id;
    for (const CCommandHelp& h : CommandHelpTable())
        EXPECT_NE(FindAction(h.nId), nullptr) << h.pszText;
}

TEST(ManualPath, TheBuildFolderFirstThenTheInstalledShareFolder) {
    const struct {
        const char* pszExists;
        const char* pszWant;
    } rows[] = {
        {"/b/share/tavolin/manual/index.html", "/b/share/tavolin/manual/index.html"},
        {"/b/../share/tavolin/manual/index.html", "/b/../share/tavolin/manual/index.html"},
        {"/b/share/tavolin/manual", ""},
    };
    for (const auto& r : rows) {
        const auto exists = [&r](const std::string& p) { return p == r.pszExists; };
        EXPECT_EQ(FindManualIndex("/b", exists), r.pszWant) << r.pszExists;
    }
}
