#pragma once
// The document of a drawing (".tvd") or a single macro (".tvm"): its primitives,
// the selection, the long title, the undo history, loading and storing.
#include "doc/document/document_observer.h"
#include "doc/document/document_ui.h"
#include "doc/document/undo_history.h"
#include "model/layers.h"
#include "model/primitive.h"

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class CResolveContext;

enum DocKind { DOC_NONE = 0, DOC_DRAWING = 163, DOC_MACRO = 164, DOC_LIBRARY = 165 };

// A drawing or macro text read and parsed, not yet in a document. Reading and
// parsing touch no document, so they may run away from the user interface.
struct CLoadedText {
    bool bUnreadable = false; // the file could not be read
    bool bOk = false;         // a drawing or macro header was found
    int nError = 0;           // the reader's ReadError bits
    std::string title;
    CPrimitiveList list;
    std::string path; // the file read, named in the messages; empty for a text
};
// Macro names resolve in `ctx`.
CLoadedText ParseDocumentText(const std::string& text, CResolveContext& ctx);
CLoadedText ReadDocumentFile(const std::string& path, CResolveContext& ctx);

// What saving reads of the program's state, and what the user answered
// meanwhile: the caller keeps the answers for the rest of the run.
struct CSaveOptions {
    bool bSplit = true;       // non-standard macros are written as their primitives
    bool bNeverWarn = false;  // never ask before writing them unsplit
    bool bWarn = true;        // not asked yet: asked once per run, cleared when asked
    bool bChoseSplit = false; // answered to split, this save and from now on
};

// A change of more primitives than this is told without its rectangles: the
// views draw everything again, which they would nearly do anyway.
constexpr std::size_t MAX_BOUNDED_CHANGE = 10000;

class CSchemoDoc {
  public:
    // A new document is empty, unmodified, and its history already holds the
    // empty drawing, so that the first change can be undone. Its macro names
    // resolve in `resolve`, which outlives it.
    CSchemoDoc(int nDocKind, IDocumentUi* ui, CResolveContext& resolve);
    virtual ~CSchemoDoc() = default;
    CSchemoDoc(const CSchemoDoc&) = delete;
    CSchemoDoc& operator=(const CSchemoDoc&) = delete;

    std::string m_strTitle; // the long title
    int m_nLoadErrors = 0;  // READ_* bits: the last load skipped lines or kept some on no layer

    int GetDocKind() const { return m_nDocKind; }
    void SetUi(IDocumentUi* ui) { m_pUi = ui; }
    IDocumentUi* GetUi() const { return m_pUi; }
    CResolveContext& ResolveContext() const { return m_resolve; }
    const CPrimitiveList& Primitives() const { return m_primitives; }
    const std::vector<CPrimitive*>& Selection() const { return m_selection; }
    bool IsModified() const { return m_bModified; }

    // Observers hear of every change below; they are not owned.
    void AddObserver(IDocumentObserver* o);
    void RemoveObserver(IDocumentObserver* o);

    // The one way to change the drawing. Each call tells the observers what
    // changed and where; none of them marks the document modified by itself.
    CPrimitive* Append(std::unique_ptr<CPrimitive> p);
    void Append(CPrimitiveList list);
    // Deletes the primitives (and drops them from the selection).
    void Remove(const std::vector<CPrimitive*>& prims);
    // Takes the primitives out of the list, keeping them selected, for a drag
    // that puts them back at the end of the list with PutBack (or deletes them).
    CPrimitiveList TakeOut(const std::vector<CPrimitive*>& prims);
    void PutBack(CPrimitiveList list) { Append(std::move(list)); }
    // Replaces the whole list; the selection is emptied.
    void ReplaceAll(CPrimitiveList list);
    // Runs `edit` on the primitives (moves, turns, property changes) and tells
    // the observers where they were and where they are now. Their regions are
    // built again when next needed.
    template <class F> void Edit(const std::vector<CPrimitive*>& prims, F&& edit);
    // The primitives at these ascending list positions rotate by one: each
    // takes the position of the one before it, the first the last position.
    void RotateOrder(const std::vector<std::size_t>& positions);
    void Select(CPrimitive* p, bool bSelected);
    void ClearSelection();
    // The selection becomes exactly these primitives, in this order; one
    // notification tells of those whose flag changed.
    void SetSelection(const std::vector<CPrimitive*>& prims);
    // The document is modified while its history stands elsewhere than where
    // it was last saved, or after a change the history does not hold.
    // true: such a change (the long title typed); it lasts until saved.
    // false: the document counts as saved as it stands (Save does this).
    void SetModified(bool bModified);
    // The layer table (colours, shown layers) changed: the views draw again.
    void NotifyAppearance();

    // Reads a drawing or macro text; false (after the message) when it has no
    // valid header or is a library.
    virtual bool Load(const std::string& text);
    virtual bool LoadFile(const std::string& path);
    // Takes a text read elsewhere, with the messages and the first snapshot.
    bool Adopt(CLoadedText loaded);
    // The file, changed by another program, read again as a step of the
    // history that counts as saved: Undo brings back what was there. A text
    // that cannot be taken leaves the document as it is (after the message).
    bool Reload(CLoadedText loaded);
    // The bytes a save would write, non-standard macros split or not, found
    // without asking anything and without changing the document (autosave
    // writes them as they are).
    virtual std::string SaveBytes(bool bSplit) const;
    // What a save checks and settles before the bytes are taken: false, after
    // the message, when a macro file would take a standard key (checked under
    // its file title, the file name).
    virtual bool PrepareSave(const std::string& fileTitle);
    // PrepareSave, then the bytes.
    bool Store(const std::string& fileTitle, bool bSplit, std::string& text);
    // Save and Save As: the warning about unsplit macros, then a safe write of
    // the bytes, which go to pWritten too. A failed or refused save leaves the
    // file as it was and the document modified.
    bool Save(const std::string& path, CSaveOptions& options, std::string* pWritten = nullptr);
    virtual bool CheckNonStandardMacros(CSaveOptions& options);

    // Starts the history anew with the drawing as it stands; beyond its last
    // hundred steps it keeps no more than nLimit bytes (-1: the default). The
    // modified flag keeps its value.
    void ClearUndo(long nLimit = -1);
    // Takes the drawing into the history; the document is then modified.
    void PushUndoSnapshot();
    // An edit is finished: the document is modified and the history holds it.
    void CommitChange() { PushUndoSnapshot(); }
    bool Undo();
    bool Redo();
    bool CanUndo() const { return m_undo.CanUndo(); }
    bool CanRedo() const { return m_undo.CanRedo(); }
    const CUndoHistory& History() const { return m_undo; }

    // The box of the regions of every primitive on a layer shown in `layers`;
    // false, with the rectangle untouched, when there is none.
    bool GetExtent(const CLayerTable& layers, CRect& rect) const;
    void UpdateRegions(CSurface& dc, const CPrimitiveList& list);
    void UpdateRegions(CSurface& dc) { UpdateRegions(dc, m_primitives); }
    virtual void DeleteContents();

  private:
    // Checks the text (with the messages) and takes its primitives and title.
    bool TakeText(CLoadedText& loaded);
    // Gives the history the drawing's lines; only primitives changed since
    // their line was made are written again.
    void PushLines();
    // Brings the drawing to the history's current state: only the lines that
    // differ are read, unless the difference cannot be applied line by line.
    void RestoreSnapshot();
    bool ApplyDifference(const std::vector<const CHistoryLine*>& target);
    void RestoreWhole(const std::vector<const CHistoryLine*>& target);
    void NotifyArrived(const std::vector<CPrimitive*>& arrived,
                       const std::vector<std::size_t>& positions);
    void ForgetLines(const std::vector<CPrimitive*>& prims);
    // The history holds only the drawing as it stands, which counts as saved.
    void StartHistory();
    void UpdateModified();
    using PrimitiveSet = std::unordered_set<const CPrimitive*>;
    CPrimitiveList TakeOutSet(const PrimitiveSet& set);
    void Notify(CDocChange& change, bool bBoundsAfter = false);
    void NotifyGeometry(const std::vector<CPrimitive*>& prims, const CRect& before);

    CPrimitiveList m_primitives;
    // Beside m_primitives: each one's line in the history, empty when it has
    // none or was changed since (only this class changes the primitives, so it
    // knows). An incomplete primitive has a line without text.
    std::vector<CHistoryLine> m_lines;
    // Some line in m_lines may have no text: it reads as no primitive, so the
    // primitives no longer follow the lines one for one.
    bool m_bEmptyLines = false;
    std::vector<CPrimitive*> m_selection; // not owned
    bool m_bModified = false;             // as last told; see SetModified
    bool m_bChangedOutside = false;       // a change the history does not hold
    int m_nDocKind;
    IDocumentUi* m_pUi;
    CResolveContext& m_resolve;
    CUndoHistory m_undo;
    std::vector<IDocumentObserver*> m_observers;
};

template <class F> void CSchemoDoc::Edit(const std::vector<CPrimitive*>& prims, F&& edit) {
    CRect before{0, 0, -1, -1};
    if (!m_observers.empty() && prims.size() <= MAX_BOUNDED_CHANGE) UnionBounds(prims, before);
    edit();
    NotifyGeometry(prims, before);
}
