#include "view/commands/action_table.h"
#include "view/commands/command_help.h"
#include "view/program/manual_path.h"

#include <gtest/gtest.h>

// What's this? answers on every command of the menus, bars and keys, and only
// about real commands.
TEST(CommandHelp, EveryCommandHasASentence) {
    for (const CActionDef& a : ActionTable())
        EXPECT_TRUE(CommandHelp(a.nId)) << a.pszCaption;
    for (const CCommandHelp& h : CommandHelpTable())
        EXPECT_TRUE(FindAction(h.nId)) << h.pszText;
}

// Where both are, the build folder's manual wins over the installed one.
TEST(ManualPath, TheBuildFolderBeforeTheInstalledOne) {
    const std::string in = "/b/share/tavolin/manual/index.html", up = "/b/../" + in.substr(3);
    for (const auto& [have, want] : {std::pair{in + up, in}, {up, up}, {std::string(), std::string()}})
        EXPECT_EQ(FindManualIndex("/b", [&](const std::string& p) { return have.find(p) != std::string::npos; }), want);
}
