#pragma once
// The small picture of a symbol beside its title in the macro tree. The icon
// draws the symbol only when a row first shows it, then keeps the picture:
// filling the tree costs no drawing at all.
#include <QIcon>

#include <string>

// The symbol `macroName` fitted into the icon's box, in its layer colours on
// a transparent ground; an empty picture when the name does not resolve.
QIcon MacroPictureIcon(const std::string& macroName);

// What a leaf's tool tip says: its key, its title and the file it comes from
// (none for the standard library).
QString MacroToolTip(const std::string& key, const std::string& title, const std::string& file);
