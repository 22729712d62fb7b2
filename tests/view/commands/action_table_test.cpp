#include "view/commands/action_table.h"

#include "support/core_test.h"

#include <cctype>

// A duplicate Alt key within a menu or along the bar leaves an item out of reach.
TEST(ActionTable, EveryMenuItemExistsWithAPromptAndMnemonicsDoNotCollide) {
    const auto key = [](const char* p) {
        for (; *p; ++p)
            if (*p == '&' && p[1] && p[1] != '&') return char(std::tolower((unsigned char)p[1]));
        return char(0);
    };
    for (int kind : {MENUBAR_NONE, MENUBAR_DRAWING, MENUBAR_LIBRARY}) {
        std::set<char> bar;
        for (const CMenuDef& menu : MenuBar(kind)) {
            EXPECT_TRUE(bar.insert(key(menu.pszCaption)).second) << menu.pszCaption;
            std::set<char> seen{0};
            for (int id : menu.items) {
                const CActionDef* a =
                    id > 0 || id == MENU_PASTE_NEW_DOCUMENT ? FindAction(id) : nullptr;
                EXPECT_TRUE(!a || (*a->pszPrompt && seen.insert(key(a->pszCaption)).second))
                    << a->pszCaption;
                EXPECT_TRUE(a || (id <= 0 && id != MENU_PASTE_NEW_DOCUMENT)) << id;
            }
        }
    }
    std::set<std::string> keys; // the view finds a command by the key it shows
    for (const CActionDef& a : ActionTable()) {
        const char* pszTab = std::strchr(a.pszCaption, '\t');
        EXPECT_TRUE(!pszTab || keys.insert(pszTab + 1).second) << a.pszCaption;
    }
    for (int id : CommonToolbar()) // a button with no picture shows its caption instead
        EXPECT_TRUE(id == 0 || *FindAction(id)->pszIcon) << id;
    EXPECT_EQ(PlainCaption("&Ruota selezione\tR") + PlainCaption("A && B"), "Ruota selezioneA & B");
}

// Nothing open (bars shown, text in the clipboard); a drawing with one selected, undo,
// stretch and PCB mode; a library with two selected, redo, snap, text, a macro, the line tool and a
// drag.
TEST(ActionTable, EnablingAndChecksFollowTheState) {
    // clang-format off
    CCommandState none, one, lib;
    none.bToolBar = none.bStatusBar = none.bPrimitivesBar = none.bMacroBar = true;
    none.bClipboardText = true;
    one.nDocKind = DOC_DRAWING, one.nSelected = 1, one.bCanUndo = one.bStretch = true;
    one.bPCBMode = true;
    lib.nDocKind = DOC_LIBRARY, lib.nSelected = 2, lib.bCanRedo = lib.bSnap = true;
    lib.bClipboardText = lib.bMacroChosen = lib.bDragging = true, lib.nTool = TOOL_LINE;
    const CCommandState states[] = {none, one, lib};
    // Enabled, then checked, in each state.
    const struct { int nId; const char* pszWant; } rows[] = {
        {ID_FILE_NEW, "111 000"}, {ID_FILE_CLOSE, "011 000"}, {ID_EDIT_CUT, "011 000"}, {ID_EDIT_PASTE, "001 000"},
        {ID_MAKE_MACRO, "001 000"}, {ID_PASTE_NEW_DOCUMENT, "101 000"}, {MENU_PASTE_NEW_DOCUMENT, "101 000"},
        {ID_EDIT_UNDO, "010 000"}, {ID_EDIT_REDO, "001 000"}, {ID_PROPERTIES, "011 000"}, {ID_STRETCH, "011 010"},
        {ID_SNAP, "011 001"}, {ID_PCB_MODE, "011 010"}, {ID_VIEW_MACRO_BAR, "111 100"}, {ID_LIB_ADD, "001 000"},
        {ID_CONTEXT_HELP, "111 000"}, {ID_TOOL_SELECT, "111 110"}, {ID_TOOL_LINE, "111 001"},
        {ID_TOOL_MACRO, "001 000"}, {ID_WIRE_DRAG, "010 000"}, {ID_SELECT_CONNECTED, "010 000"},
        {ID_CHECK_RULES, "010 000"}};
    // clang-format on
    for (const auto& r : rows) {
        const CActionDef* def = FindAction(r.nId);
        ASSERT_NE(def, nullptr) << r.nId;
        std::string got(7, ' ');
        for (std::size_t i = 0; i < 3; ++i)
            got[i] = IsEnabled(*def, states[i]) ? '1' : '0',
            got[i + 4] = IsChecked(*def, states[i]) ? '1' : '0';
        EXPECT_EQ(got, r.pszWant) << def->pszCaption;
    }
}

// A key bound twice reaches neither command. Ctrl+A opens in Italian, as it
// always has, and selects all in English, as every English desktop does.
TEST(ActionTable, EachLanguagesKeysReachOneCommandEach) {
    for (bool bEnglish : {false, true}) {
        std::map<std::string, int> bound;
        for (const CActionDef& a : ActionTable()) {
            std::string keys = ActionKeys(a, bEnglish);
            for (std::size_t from = 0; from < keys.size();) {
                const std::size_t end = std::min(keys.find(';', from), keys.size());
                const auto [it, bNew] = bound.emplace(keys.substr(from, end - from), a.nId);
                EXPECT_TRUE(bNew) << it->first << " in English " << bEnglish;
                from = end + 1;
            }
        }
        EXPECT_EQ(bound["Ctrl+A"], bEnglish ? ID_EDIT_SELECT_ALL : ID_FILE_OPEN);
        EXPECT_EQ(bound["Ctrl+O"], ID_FILE_OPEN);
    }
}
