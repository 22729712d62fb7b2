// The table every menu, toolbar and key comes from.
#include "view/action_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

namespace {
char Mnemonic(const char* caption) {
    for (const char* p = caption; *p; ++p)
        if (*p == '&' && p[1] && p[1] != '&') return char(std::tolower(static_cast<unsigned char>(p[1])));
    return 0;
}
} // namespace

TEST(ActionTable, EveryMenuItemExistsWithAPromptAndMnemonicsDoNotCollide) {
    for (int kind : {MENUBAR_NONE, MENUBAR_DRAWING, MENUBAR_LIBRARY}) {
        std::set<char> bar;
        for (const CMenuDef& menu : MenuBar(kind)) {
            EXPECT_TRUE(bar.insert(Mnemonic(menu.pszCaption)).second) << menu.pszCaption;
            std::map<char, const char*> seen;
            for (int id : menu.items) {
                if (id <= 0 && id != MENU_PASTE_NEW_DOCUMENT) continue;
                const CActionDef* a = FindAction(id);
                ASSERT_NE(a, nullptr) << id;
                EXPECT_NE(*a->pszPrompt, '\0') << a->pszCaption;
                const char m = Mnemonic(a->pszCaption);
                ASSERT_NE(m, 0) << a->pszCaption;
                EXPECT_TRUE(seen.emplace(m, a->pszCaption).second)
                    << menu.pszCaption << ": " << a->pszCaption << " and " << seen[m];
            }
        }
    }
}

TEST(ActionTable, ToolsAreTheThirteenInValueOrderAndOpenAnswersBothKeys) {
    const CMenuDef& tools = MenuBar(MENUBAR_DRAWING)[3];
    ASSERT_EQ(tools.items.size(), std::size_t(TOOL_COUNT));
    for (int t = 0; t < TOOL_COUNT; ++t) {
        EXPECT_EQ(CommandTool(tools.items[t]), t);
        EXPECT_TRUE(FindAction(tools.items[t])->nFlags & ACT_TOOL);
    }
    EXPECT_EQ(PrimitivesToolbar()[9], ID_TOOL_CONNECTION); // the tenth button
    EXPECT_STREQ(FindAction(ID_FILE_OPEN)->pszKeys, "Ctrl+A;Ctrl+O");
    EXPECT_EQ(PlainCaption("Tag&lia"), "Taglia");
    EXPECT_EQ(PlainCaption("A && B"), "A & B");
    // R and S are named in the menus but stay the drawing's own keys.
    EXPECT_STREQ(FindAction(ID_ROTATE)->pszCaption, "&Ruota selezione\tR");
    EXPECT_STREQ(FindAction(ID_MIRROR)->pszCaption, "S&wappa selezione\tS");
    EXPECT_STREQ(FindAction(ID_MIRROR)->pszKeys, "");
    EXPECT_EQ(PlainCaption("&Ruota selezione\tR"), "Ruota selezione");
    EXPECT_STREQ(FindAction(ID_FILE_CLOSE)->pszKeys, "Ctrl+W;Ctrl+F4");
    EXPECT_EQ(MenuBar(MENUBAR_LIBRARY).size(), MenuBar(MENUBAR_DRAWING).size() + 1);
}
