#include "view/action_table.h"
#include "view/command_help.h"
#include "view/manual_path.h"

#include <gtest/gtest.h>

#include <algorithm>

// What's this? answers on every button and menu item, and only about real commands.
TEST(CommandHelp, EveryMenuItemAndButtonHasASentence) {
    std::vector<int> shown = CommonToolbar();
    shown.insert(shown.end(), PrimitivesToolbar().begin(), PrimitivesToolbar().end());
    for (int kind : {MENUBAR_NONE, MENUBAR_DRAWING, MENUBAR_LIBRARY})
        for (const CMenuDef& menu : MenuBar(kind))
            shown.insert(shown.end(), menu.items.begin(), menu.items.end());
    for (int id : shown)
        EXPECT_TRUE(!FindAction(id) || CommandHelp(id)) << id;
    for (const CCommandHelp& h : CommandHelpTable())
        EXPECT_TRUE(FindAction(h.nId)) << h.pszText;
}

TEST(ManualPath, TheBuildFoldersBeforeTheInstalledOne) {
    const std::string in = "/b/share/tavolin/manual/index.html", up = "/b/../" + in.substr(3);
    const std::vector<std::string> both{up, in}, installed{up}, none;
    for (const auto& [have, want] : {std::pair{both, in}, {installed, up}, {none, std::string()}})
        EXPECT_EQ(FindManualIndex("/b", [&](const std::string& p) {
                      return std::count(have.begin(), have.end(), p) > 0;
                  }), want);
}
