#include "view/commands/clipboard.h"

#include "format/reader.h"
#include "format/writer.h"
#include "view/commands/edit_commands.h"

namespace {
const char* const kHeader = "[TAVOLIN]\r\n";
}

std::string ClipboardText(const std::vector<CPrimitive*>& prims, bool bSplit) {
    std::string text = kHeader;
    for (const CPrimitive* p : prims)
        if (p->IsComplete()) text += FormatPrimitive(*p, bSplit);
    return text;
}

bool CopySelection(const CSchemoDoc& doc, IClipboard& clip, bool bSplit) {
    if (doc.Selection().empty()) return false;
    CWaitCursor wait(doc.GetUi());
    if (clip.SetCopy(ClipboardText(doc.Selection(), bSplit), doc.Selection())) return true;
    if (doc.GetUi()) doc.GetUi()->Beep();
    return false;
}

bool CutSelection(CSchemoDoc& doc, IClipboard& clip, bool bSplit) {
    return CopySelection(doc, clip, bSplit) && CmdDelete(doc);
}

bool ReadClipboardLines(IClipboard& clip, CPrimitiveList& list, int* pError, CResolveContext& ctx) {
    if (pError) *pError = 0;
    std::string text;
    if (!clip.GetText(text)) return false;
    return ParseDrawingLines(text, list, pError, ctx);
}

CPastedDocument PastedDocumentOf(std::string text) {
    CPastedDocument d;
    switch (DetectTextKind(text)) {
    case TEXT_LIBRARY:
        d.nDocKind = DOC_LIBRARY;
        break;
    case TEXT_MACRO:
        d.nDocKind = DOC_MACRO;
        break;
    case TEXT_NONE:
        text.insert(0, kHeader);
        break;
    default:
        break;
    }
    d.text = std::move(text);
    return d;
}

bool ReadPastedDocument(IClipboard& clip, CPastedDocument& out) {
    std::string text;
    if (!clip.GetText(text)) return false;
    out = PastedDocumentOf(std::move(text));
    return true;
}

bool LoadPastedDocument(CSchemoDoc& doc, const std::string& text) {
    if (!doc.Load(text)) return false;
    doc.SetModified(true);
    return true;
}
