#pragma once
// The one table of the editor's commands: caption with its mnemonic, keys,
// status prompt, tool tip and icon. Menus, toolbars, accelerators and the
// context menu are all built from it.
#include "view/commands.h"

#include <string>
#include <vector>

enum ActionFlags : unsigned {
    ACT_CHECKABLE = 1,  // shows a check mark (bars, snap, PCB mode, tools)
    ACT_TOOL = 2,       // one of the thirteen tools, an exclusive group
    ACT_NO_HANDLER = 4, // always shown disabled
};

struct CActionDef {
    int nId;
    const char* pszCaption; // with "&" before the mnemonic; a key only shown after a tab
    const char* pszKeys;    // key sequences separated by ";", or ""
    const char* pszPrompt;  // status-bar prompt
    const char* pszTip;     // tool tip, or "" for the caption without "&"
    const char* pszIcon;    // icon name in the resources, or ""
    unsigned nFlags;
};

const std::vector<CActionDef>& ActionTable();
const CActionDef* FindAction(int nId);

// A menu: its caption and its items in order; 0 is a separator,
// MENU_PASTE the "&Incolla" submenu, MENU_RECENT the recent files,
// MENU_WINDOWS the open documents.
constexpr int MENU_PASTE = -1;
constexpr int MENU_RECENT = -2;
constexpr int MENU_WINDOWS = -4;
// "Incolla come nuovo &documento": the paste-as-document command in the menu
// shown while no document is open.
constexpr int MENU_PASTE_NEW_DOCUMENT = -3;
struct CMenuDef {
    const char* pszCaption;
    std::vector<int> items;
};

enum MenuBarKind { MENUBAR_NONE = 128, MENUBAR_DRAWING = 163, MENUBAR_MACRO = 164, MENUBAR_LIBRARY = 165 };
const std::vector<CMenuDef>& MenuBar(int nKind);
// The view's context menu.
const CMenuDef& ContextMenu();
// The buttons of the two toolbars; 0 is a separator.
const std::vector<int>& CommonToolbar();
const std::vector<int>& PrimitivesToolbar();

// The caption without its "&" (and "&&" kept as one "&") and without the
// key shown after a tab.
std::string PlainCaption(const char* pszCaption);
