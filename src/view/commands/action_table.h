#pragma once
// The one table of the editor's commands: caption with its mnemonic, keys,
// status prompt, tool tip, icon, the feature that runs it and when it is
// enabled and checked. Menus, toolbars, accelerators and the context menu are
// all built from it.
#include "view/commands/commands.h"

#include <cstddef>
#include <string>
#include <vector>

// Who carries a command out: each feature of the main window runs its own.
enum Feature {
    FEATURE_NONE, // no handler: always disabled
    FEATURE_FILES,
    FEATURE_EDIT,
    FEATURE_CLIPBOARD,
    FEATURE_VIEW, // the active view's own commands
    FEATURE_BARS, // the bars and the options
    FEATURE_MACROS,
    FEATURE_LAYERS,
    FEATURE_LIBRARY,
    FEATURE_PRINT,
    FEATURE_WINDOWS,
    FEATURE_HELP,
    FEATURE_TOOLS, // the thirteen tools, an exclusive group
    FEATURE_COMPARE,
    FEATURE_FABRICATION,
    FEATURE_RULES,    // the design-rule check and its findings
    FEATURE_AUTOSAVE, // no commands: it follows the documents on a timer
    FEATURE_COUNT
};

// What the commands' enabling and checks depend on, taken at once. What is
// about the document is zero or false while no document is active.
struct CCommandState {
    int nDocKind = 0; // DOC_NONE: no document
    std::size_t nSelected = 0;
    bool bDragging = false; // a drag or a pending paste in the active view
    bool bCanUndo = false, bCanRedo = false;
    bool bStretch = false, bSnap = false, bPCBMode = false;
    bool bClipboardText = false;
    bool bMacroChosen = false; // a macro is selected in the macro bar
    int nTool = TOOL_SELECT;
    bool bToolBar = false, bStatusBar = false, bPrimitivesBar = false, bMacroBar = false;
};
using CommandRule = bool (*)(const CCommandState& s, int nId);

struct CActionDef {
    int nId;
    const char* pszCaption; // with "&" before the mnemonic; after a tab a key the view takes
    const char* pszKeys;    // the Italian interface's key sequences, ";" between them, or ""
    const char* pszPrompt;  // status-bar prompt
    const char* pszTip;     // tool tip, or "" for the caption without "&"
    const char* pszIcon;    // icon name in the resources, or ""
    int nFeature;
    CommandRule pEnabled; // null: always enabled
    CommandRule pChecked; // null: no check mark
};

const std::vector<CActionDef>& ActionTable();
const CActionDef* FindAction(int nId);
// The keys of a command in the interface's language: where the desktops'
// conventions differ (Ctrl+A opens in Italian, selects all in English).
const char* ActionKeys(const CActionDef& def, bool bEnglish);

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

enum MenuBarKind {
    MENUBAR_NONE = 128,
    MENUBAR_DRAWING = 163,
    MENUBAR_MACRO = 164,
    MENUBAR_LIBRARY = 165
};
const std::vector<CMenuDef>& MenuBar(int nKind);
// The view's context menu.
const CMenuDef& ContextMenu();
// The buttons of the two toolbars; 0 is a separator.
const std::vector<int>& CommonToolbar();
const std::vector<int>& PrimitivesToolbar();

bool IsEnabled(const CActionDef& def, const CCommandState& s);
bool IsChecked(const CActionDef& def, const CCommandState& s);

// The command whose caption shows `key` after its tab ("L" for "&Linea\tL",
// "Home"); 0 when none.
int ShownKeyCommand(const std::string& key);

// The caption without its "&" (and "&&" kept as one "&") and without the
// key shown after a tab.
std::string PlainCaption(const char* pszCaption);
