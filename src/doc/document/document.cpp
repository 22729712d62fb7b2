#include "doc/document/document.h"

#include "doc/document/system_error.h"
#include "doc/files/safe_file.h"
#include "doc/scene/drawing_extent.h"
#include "doc/scene/regions.h"
#include "format/reader.h"
#include "format/stdlib.h"
#include "format/writer.h"
#include "model/layers.h"
#include "model/macro.h"

#include <algorithm>
#include <cctype>

CLoadedText ParseDocumentText(const std::string& text, CResolveContext& ctx) {
    CLoadedText r;
    int nKind = TEXT_NONE;
    r.bOk = ParseHeaderedText(text, &r.list, nullptr, &r.title, &r.nError, &nKind, nullptr, &ctx) &&
            (nKind == TEXT_DRAWING || nKind == TEXT_MACRO);
    if (!r.bOk) r.list.clear();
    return r;
}

CLoadedText ReadDocumentFile(const std::string& path, CResolveContext& ctx) {
    std::string text;
    CLoadedText r;
    r.bUnreadable = !ReadWholeFile(path, text);
    if (!r.bUnreadable) r = ParseDocumentText(text, ctx);
    r.path = path;
    return r;
}

CSchemoDoc::CSchemoDoc(int nDocKind, IDocumentUi* ui, CResolveContext& resolve)
    : m_nDocKind(nDocKind), m_pUi(ui), m_resolve(resolve) {
    StartHistory();
}

bool CSchemoDoc::Load(const std::string& text) {
    return Adopt(ParseDocumentText(text, m_resolve));
}

bool CSchemoDoc::LoadFile(const std::string& path) {
    return Adopt(ReadDocumentFile(path, m_resolve));
}

bool CSchemoDoc::Adopt(CLoadedText loaded) {
    DeleteContents();
    if (!TakeText(loaded)) return false;
    StartHistory();
    return true;
}

bool CSchemoDoc::Reload(CLoadedText loaded) {
    if (!TakeText(loaded)) return false;
    PushLines();
    m_undo.MarkSaved();
    m_bChangedOutside = false;
    UpdateModified();
    return true;
}

bool CSchemoDoc::TakeText(CLoadedText& loaded) {
    if (loaded.bUnreadable || !loaded.bOk) {
        if (m_pUi)
            m_pUi->ShowMessage(
                WithFileName(loaded.bUnreadable ? MSG_CANNOT_OPEN : MSG_BAD_FORMAT, loaded.path),
                CAPTION_ERROR, ICON_ERROR);
        return false;
    }
    ReplaceAll(std::move(loaded.list));
    m_strTitle = loaded.title;
    m_nLoadErrors = loaded.nError;
    if (m_nLoadErrors && m_pUi)
        m_pUi->ShowMessage(ReadErrorsMessage(loaded.nError), CAPTION_ATTENTION, ICON_INFORMATION);
    return true;
}

// A macro file may not be named like a standard component: "080.tvm" and
// "Resistore.tvm" are checked as "080" and "resistore".
bool CSchemoDoc::PrepareSave(const std::string& fileTitle) {
    if (m_nDocKind != DOC_MACRO) return true;
    std::string name = fileTitle;
    for (char& c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    if (!IsStandardLibraryName(name)) return true;
    if (m_pUi) m_pUi->ShowMessage(MSG_STANDARD_NAME, CAPTION_ERROR, ICON_ERROR);
    return false;
}

std::string CSchemoDoc::SaveBytes(bool bSplit) const {
    return FormatHeader(m_nDocKind == DOC_MACRO ? "MACROCAD" : "TAVOLIN", m_strTitle) +
           FormatPrimitiveLines(m_primitives, bSplit);
}

bool CSchemoDoc::Store(const std::string& fileTitle, bool bSplit, std::string& text) {
    if (!PrepareSave(fileTitle)) return false;
    text = SaveBytes(bSplit);
    return true;
}

bool CSchemoDoc::Save(const std::string& path, CSaveOptions& options, std::string* pWritten) {
    if (!CheckNonStandardMacros(options)) return false;
    const std::size_t slash = path.find_last_of('/');
    std::string text;
    if (!Store(slash == std::string::npos ? path : path.substr(slash + 1),
               options.bSplit || options.bChoseSplit, text))
        return false;
    int nErrno = 0;
    if (!WriteFileSafely(path, text, &nErrno)) {
        if (m_pUi)
            m_pUi->ShowMessage(WithSystemCause(FillMessage(MSG_CANNOT_SAVE, path), nErrno),
                               CAPTION_ERROR, ICON_ERROR);
        return false;
    }
    SetModified(false);
    if (pWritten) *pWritten = std::move(text);
    return true;
}

bool CSchemoDoc::CheckNonStandardMacros(CSaveOptions& options) {
    if (options.bSplit || !options.bWarn || options.bNeverWarn) return true;
    const bool bAny = std::any_of(m_primitives.begin(), m_primitives.end(), [](const auto& p) {
        std::string name;
        return (p->GetCapabilities() & CAP_MACRO) && p->GetProperty("Text", name) &&
               !name.empty() && !IsStandardMacroName(name);
    });
    if (!bAny) return true;
    options.bWarn = false;
    const Answer a =
        m_pUi ? m_pUi->AskYesNoCancel(MSG_NON_STANDARD_MACROS, CAPTION_ATTENTION) : ANSWER_YES;
    if (a == ANSWER_NO) options.bChoseSplit = true;
    return a != ANSWER_CANCEL;
}

void CSchemoDoc::StartHistory() {
    m_undo.Clear();
    PushLines();
    m_undo.MarkSaved();
    m_bChangedOutside = false;
    UpdateModified();
}

// A modified document keeps its mark: the saved state has left the history.
void CSchemoDoc::ClearUndo(long nLimit) {
    const bool bWasModified = m_bModified;
    m_undo.Clear(nLimit < 0 ? CUndoHistory::DEFAULT_LIMIT : std::size_t(nLimit));
    PushLines();
    if (bWasModified)
        m_bChangedOutside = true;
    else
        m_undo.MarkSaved();
    UpdateModified();
}

// The history keeps every macro as its "MC" line.
void CSchemoDoc::PushLines() {
    std::string line;
    for (std::size_t i = 0; i < m_primitives.size(); ++i) {
        if (m_lines[i]) continue;
        const CPrimitive& p = *m_primitives[i];
        if (!p.IsComplete() || !p.GetTextLine(line, false)) line.clear();
        if (line.empty()) m_bEmptyLines = true;
        m_lines[i] = CHistoryLine(line);
    }
    m_undo.Push(m_lines);
}

void CSchemoDoc::PushUndoSnapshot() {
    PushLines();
    UpdateModified();
}

bool CSchemoDoc::Undo() {
    if (!m_undo.Undo()) return false;
    RestoreSnapshot();
    UpdateModified();
    return true;
}

bool CSchemoDoc::Redo() {
    if (!m_undo.Redo()) return false;
    RestoreSnapshot();
    UpdateModified();
    return true;
}

bool CSchemoDoc::GetExtent(const CLayerTable& layers, CRect& rect) const {
    return DrawingExtent(m_primitives, layers, rect);
}

void CSchemoDoc::UpdateRegions(CSurface& dc, const CPrimitiveList& list) {
    CWaitCursor wait(m_pUi);
    const std::uint32_t key = RegionKeyOf(dc);
    for (auto& p : list)
        BuildRegion(*p, dc, key);
}

void CSchemoDoc::DeleteContents() {
    ReplaceAll({});
    m_strTitle.clear();
    StartHistory();
}
