#pragma once
// The three kinds of document and all that is said of each: its extension,
// its name in file dialogs and in "Nuovo", the base of its untitled names,
// the menu bar it brings and its MIME type.
#include <string>

struct CDocumentKind {
    int nKind;            // DOC_*
    const char* ext;      // ".tvd"
    const char* typeName; // "Documento Tavolin"
    const char* untitled; // "Documento", numbered from 1
    int nMenuBar;         // MENUBAR_*
    const char* mimeType; // "application/x-tavolin-document"
};

constexpr int NUM_DOCUMENT_KINDS = 3;
extern const CDocumentKind DOCUMENT_KINDS[NUM_DOCUMENT_KINDS];

// The row of a kind; any other kind is a drawing's.
const CDocumentKind& DocumentKind(int nDocKind);
// The kind of a file by its extension (".tvd" ..., any case); DOC_NONE for others.
int DocKindFromExtension(const std::string& extension);
