#pragma once
// One sentence for each command of the menus and toolbars, shown by
// "What's this?" on its button or menu item.
#include <vector>

struct CCommandHelp {
    int nId;
    const char* pszText; // Italian; the window translates it in the context "CommandHelp"
};

const std::vector<CCommandHelp>& CommandHelpTable();
// The command's sentence, or null when it has none.
const char* CommandHelp(int nId);
