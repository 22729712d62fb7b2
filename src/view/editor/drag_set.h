#pragma once
// The primitives a drag holds out of the document while they follow the
// mouse: taken from the drawing (a move, a point edit), or not in it yet (a
// new primitive, a paste). The window draws them over its picture until they
// go back.
#include "model/primitive.h"

#include <vector>

class CSchemoDoc;

class CDragSet {
  public:
    bool IsEmpty() const { return m_list.empty(); }
    const CPrimitiveList& List() const { return m_list; }
    std::vector<CPrimitive*> Pointers() const;
    CPrimitive* Front() const { return m_list.empty() ? nullptr : m_list.front().get(); }

    // Takes the document's selection out of its list, remembering where each
    // one stood and a copy of it as it was.
    void TakeOut(CSchemoDoc& doc);
    // The same for the given primitives of the document.
    void TakeOut(CSchemoDoc& doc, const std::vector<CPrimitive*>& prims);
    // Primitives that were never in the document; they should be selected.
    void Hold(CPrimitiveList list);
    bool FromDocument() const { return !m_positions.empty(); }

    // Whether the held primitives now write differently from when they were
    // taken out; always true for primitives that were not in the document.
    bool Changed() const;

    // An edit: back at the end of the list, in selection order, so that they
    // are drawn above what did not move.
    void PutBackAtEnd(CSchemoDoc& doc);
    // Nothing changed: each back at the place it left.
    void PutBackInPlace(CSchemoDoc& doc);
    // A cancel: what was taken out goes back as it was, where it was and
    // selected as it was; what was never in the document is destroyed.
    void Restore(CSchemoDoc& doc);

  private:
    CPrimitiveList m_list;
    CPrimitiveList m_before;              // copies taken with TakeOut, in the same order
    std::vector<std::size_t> m_positions; // ascending list positions they left
};
