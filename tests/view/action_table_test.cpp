// The table every menu, toolbar and key comes from, and its rules of enabling
// and checks.
#include "view/action_table.h"

#include "doc/document.h"

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
        EXPECT_EQ(FindAction(tools.items[t])->nFeature, FEATURE_TOOLS);
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

// Nothing open (bars shown, text in the clipboard); a drawing with one
// primitive selected, undo, stretch and PCB mode; a library with two
// selected, redo, snap, text, a macro in the bar and the line tool.
TEST(ActionTable, EnablingAndChecksFollowTheState) {
    CCommandState none, one, lib;
    none.bToolBar = none.bStatusBar = none.bPrimitivesBar = none.bMacroBar = none.bClipboardText = true;
    one.nDocKind = DOC_DRAWING, one.nSelected = 1, one.bCanUndo = one.bStretch = one.bPCBMode = true;
    lib.nDocKind = DOC_LIBRARY, lib.nSelected = 2, lib.bCanRedo = lib.bSnap = lib.bClipboardText = true;
    lib.bMacroChosen = true, lib.nTool = TOOL_LINE;
    const CCommandState states[] = {none, one, lib};
    struct Row {
        int nId;
        const char* pszEnabled; // per state
        const char* pszChecked;
    };
    const Row rows[] = {
        {ID_FILE_NEW, "111", "000"},        {ID_FILE_CLOSE, "011", "000"},      {ID_FILE_PRINT, "011", "000"},
        {ID_EDIT_CUT, "011", "000"},        {ID_EDIT_PASTE, "001", "000"},      {ID_PASTE_NEW_DOCUMENT, "101", "000"},
        {MENU_PASTE_NEW_DOCUMENT, "101", "000"}, {ID_MAKE_MACRO, "001", "000"}, {ID_EDIT_SELECT_ALL, "011", "000"},
        {ID_EDIT_UNDO, "010", "000"},       {ID_EDIT_REDO, "001", "000"},       {ID_PROPERTIES, "011", "000"},
        {ID_STRETCH, "011", "010"},         {ID_SNAP, "011", "001"},            {ID_PCB_MODE, "011", "010"},
        {ID_VIEW_TOOLBAR, "111", "100"},    {ID_VIEW_MACRO_BAR, "111", "100"},  {ID_LIB_ADD, "001", "000"},
        {ID_USER_LIBRARIES, "000", "000"},  {ID_CONTEXT_HELP, "000", "000"},    {ID_WINDOW_NEXT, "011", "000"},
        {ID_TOOL_SELECT, "111", "110"},     {ID_TOOL_LINE, "111", "001"},       {ID_TOOL_MACRO, "001", "000"},
    };
    for (const Row& r : rows) {
        const CActionDef* def = FindAction(r.nId);
        ASSERT_NE(def, nullptr) << r.nId;
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(IsEnabled(*def, states[i]), r.pszEnabled[i] == '1') << def->pszCaption << " in state " << i;
            EXPECT_EQ(IsChecked(*def, states[i]), r.pszChecked[i] == '1') << def->pszCaption << " in state " << i;
        }
    }
}
