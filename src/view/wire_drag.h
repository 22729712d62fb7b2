#pragma once
// The wires a drag with the wires attached stretches: lines and tracks left
// out of the selection with an end on one of its connection points. That end
// follows its point through moves, turns and mirrors; the other end stays.
#include "view/drag_set.h"

#include <vector>

class CSchemoDoc;

// Where wires may end on a primitive, in an order its moves and turns keep:
// a line's or track's ends, a dot, a pad's centre, a macro's origin and the
// ends of the lines it draws, its nested macros' included.
std::vector<CPoint> ConnectionPoints(const CPrimitive& p);

class CWireDrag {
  public:
    bool IsEmpty() const { return m_ends.empty(); }
    const CPrimitiveList& List() const { return m_set.List(); }

    // Finds the wires attached to the document's selection, both still in the
    // drawing.
    void Attach(const CSchemoDoc& doc);
    // Out of the drawing, after the selection: they are drawn over it while
    // they stretch.
    void TakeOut(CSchemoDoc& doc);
    // Each attached end to where its point on the selection is now.
    void Follow();
    bool Changed() const { return m_set.Changed(); }
    // Back where each was in the list, before the selection goes back.
    void PutBack(CSchemoDoc& doc);
    // A cancel: the ends where they were, then back as PutBack does.
    void Restore(CSchemoDoc& doc);

  private:
    struct CEnd {
        CPrimitive* pWire;
        int nEnd;
        const CPrimitive* pOwner; // the selected primitive the end sits on
        int nPoint;               // in ConnectionPoints(*pOwner)
        CPoint ptBefore;
    };
    std::vector<CEnd> m_ends;
    CDragSet m_set;
};
