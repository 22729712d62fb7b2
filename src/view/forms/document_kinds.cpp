#include "view/forms/document_kinds.h"

#include "doc/document/document.h"
#include "model/translate_noop.h"
#include "view/commands/action_table.h"

#include <cctype>

const CDocumentKind DOCUMENT_KINDS[NUM_DOCUMENT_KINDS] = {
    {DOC_DRAWING, ".tvd", QT_TRANSLATE_NOOP("Documenti", "Documento Tavolin"), "Documento",
     MENUBAR_DRAWING, "application/x-tavolin-document"},
    {DOC_MACRO, ".tvm", QT_TRANSLATE_NOOP("Documenti", "Macro Tavolin"), "Macro", MENUBAR_MACRO,
     "application/x-tavolin-macro"},
    {DOC_LIBRARY, ".tvl", QT_TRANSLATE_NOOP("Documenti", "Libreria Tavolin"), "Libreria",
     MENUBAR_LIBRARY, "application/x-tavolin-library"},
};

const CDocumentKind& DocumentKind(int nDocKind) {
    for (const CDocumentKind& k : DOCUMENT_KINDS)
        if (k.nKind == nDocKind) return k;
    return DOCUMENT_KINDS[0];
}

int DocKindFromExtension(const std::string& extension) {
    std::string e = extension;
    for (char& c : e)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const CDocumentKind& k : DOCUMENT_KINDS)
        if (e == k.ext) return k.nKind;
    return DOC_NONE;
}
