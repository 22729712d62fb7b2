#pragma once
// Selections travel between drawings, and between running copies of the
// program, as drawing text on the system clipboard: "[TAVOLIN]" CR LF, then
// the command lines of the selected primitives in selection order.
#include "doc/document/document.h"

#include <string>
#include <vector>

// The system clipboard as the editor uses it: one text of Windows-1252 bytes.
class IClipboard {
  public:
    virtual ~IClipboard() = default;
    virtual bool HasText() const = 0;
    // False when the clipboard holds no text.
    virtual bool GetText(std::string& text) = 0;
    // False when the clipboard did not take the text; it keeps what it had.
    virtual bool SetText(const std::string& text) = 0;
    // A copied selection: its text, and where the clipboard offers pictures
    // to other programs, one of `prims`.
    virtual bool SetCopy(const std::string& text, const std::vector<CPrimitive*>& prims) {
        (void)prims;
        return SetText(text);
    }
};

// The header and the lines of the primitives in their order, macros written
// as a saved drawing writes them.
std::string ClipboardText(const std::vector<CPrimitive*>& prims, bool bSplit);

// The selection onto the clipboard, macros split as the "bSplit" setting
// says; false, after a beep, when the clipboard refused it. An empty
// selection copies nothing.
bool CopySelection(const CSchemoDoc& doc, IClipboard& clip, bool bSplit);
// Copies, and deletes the selection only when the copy succeeded.
bool CutSelection(CSchemoDoc& doc, IClipboard& clip, bool bSplit);

// The clipboard's command lines as primitives, replacing the list's content;
// its header, like any line that is not a command, is skipped and sets *pError.
// False, with the list untouched, when the clipboard holds no text.
bool ReadClipboardLines(IClipboard& clip, CPrimitiveList& list, int* pError, CResolveContext& ctx);

// The clipboard's text as a document of its own: a library text opens as a
// library, a macro text as a macro, anything else as a drawing; a text with
// no header is given the drawing header.
struct CPastedDocument {
    int nDocKind = DOC_DRAWING;
    std::string text;
};
CPastedDocument PastedDocumentOf(std::string text);
// False when the clipboard holds no text.
bool ReadPastedDocument(IClipboard& clip, CPastedDocument& out);
// Loads the text into a new, untitled document, which is then modified: it
// exists nowhere yet, so closing asks and saving asks for a name. False, after
// the document's message, when the text does not load.
bool LoadPastedDocument(CSchemoDoc& doc, const std::string& text);
