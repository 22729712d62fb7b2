#pragma once
// The document of a drawing (".tvd") or a single macro (".tvm"): its primitives,
// the selection, the long title, the undo history, loading and storing.
#include "doc/document_ui.h"
#include "doc/undo_history.h"
#include "model/primitive.h"

#include <string>
#include <vector>

enum DocKind { DOC_NONE = 0, DOC_DRAWING = 163, DOC_MACRO = 164, DOC_LIBRARY = 165 };

// The kind of document a template with this filter extension makes (".tvd" ...).
int DocKindFromExtension(const std::string& extension);

class CSchemoDoc {
public:
    CSchemoDoc(int nDocKind, IDocumentUi* ui) : m_nDocKind(nDocKind), m_pUi(ui) {}

    CPrimitiveList m_primitives;
    std::vector<CPrimitive*> m_selection; // not owned
    std::string m_strTitle;               // the long title
    bool m_bModified = false;
    bool m_bLoadErrors = false; // the last load skipped lines it did not understand

    int GetDocKind() const { return m_nDocKind; }

    // Reads a drawing or macro text; false (after the message) when it has no
    // valid header or is a library.
    bool Load(const std::string& text);
    bool LoadFile(const std::string& path);
    // The text this document saves as under the file title (the file name);
    // false, after the message, when a macro would take a standard key.
    bool Store(const std::string& fileTitle, std::string& text);
    // Save and Save As: the warning about unsplit macros, then a safe write.
    // A failed or refused save leaves the file as it was and the document modified.
    bool Save(const std::string& path);
    bool CheckNonStandardMacros();

    void ClearUndo(long nLimit = -1);
    void PushUndoSnapshot();
    bool Undo();
    bool Redo();
    bool CanUndo() const { return m_undo.CanUndo(); }
    bool CanRedo() const { return m_undo.CanRedo(); }
    const CUndoHistory& History() const { return m_undo; }

    // The box of the regions of every primitive on a shown layer; false, with the
    // rectangle untouched, when there is none.
    bool GetExtent(CRect& rect) const;
    void UpdateRegions(CSurface& dc, CPrimitiveList& list);
    void UpdateRegions(CSurface& dc) { UpdateRegions(dc, m_primitives); }
    void ClearSelection();
    void DeleteContents();

private:
    bool RestoreSnapshot(const std::string& snapshot);

    int m_nDocKind;
    IDocumentUi* m_pUi;
    CUndoHistory m_undo;
};
