#pragma once
// The interface's language: the English translation carried in the program,
// installed at start when the interface shows English.
#include <QString>

#include <string>

// Reads "strLanguage" and the user's languages and, for English, loads the
// translation; true when English was chosen. Needs no application object.
bool LoadUiTranslation();
// The same, and gives the translation to the application for its tr(); an
// Italian interface gets Qt's own texts (its dialogs' buttons) in Italian.
bool InstallUiTranslation();
// Qt's Italian translation, from the system's; false when it has none.
bool InstallQtItalian();
// The English translation whatever the settings say (for texts made at build
// time); false when it cannot be read.
bool LoadEnglishTranslation();
// Whether the translation was loaded: the interface shows English.
bool UiShowsEnglish();

// A text of the layers without Qt (in the program's code page) as the user
// reads it: `context` and the text, or, for the core's messages, each line
// through the template it was filled from.
QString TrCore(const char* pszContext, const char* pszText);
QString TrMessage(const std::string& text);

// For the command-line tool: a core message or a text of its own as it is
// written out, byte for byte as given while the interface is Italian.
std::string TrMessageBytes(const std::string& text);
std::string TrCoreBytes(const char* pszContext, const char* pszText);
