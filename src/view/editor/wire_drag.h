#pragma once
// The wires a drag with the wires attached stretches: lines and tracks shown,
// left out of the selection, with an end on one of its connection points.
// That end follows its point through moves, turns and mirrors; the other end
// stays. A wire that another one or a dot meets on its way is first cut
// there, so that only the piece from the selection to the junction stretches.
#include "doc/nets/connection_points.h"
#include "view/editor/drag_set.h"

#include <vector>

struct CLayerTable;
class CSchemoDoc;

class CWireDrag {
  public:
    bool IsEmpty() const { return m_ends.empty(); }
    const CPrimitiveList& List() const { return m_set.List(); }

    // Finds the wires attached to the document's selection and where they
    // are to be cut, both still in the drawing; hidden layers take no part.
    void Attach(const CSchemoDoc& doc, const CLayerTable& layers);
    // Cuts the wires, then takes the stretching ones out of the drawing,
    // after the selection: they are drawn over it while they stretch.
    void TakeOut(CSchemoDoc& doc);
    // Each attached end to where its point on the selection is now.
    void Follow();
    // Back where each was in the list, before the selection goes back; the
    // cuts stay.
    void PutBack(CSchemoDoc& doc);
    // A cancel: the wires whole and where they were, as before Attach.
    void Restore(CSchemoDoc& doc);

  private:
    struct CEnd {
        CPrimitive* pWire;
        int nEnd;
        const CPrimitive* pOwner; // the selected primitive the end sits on
        int nPoint;               // in ConnectionPoints(*pOwner)
        CPoint ptBefore;
    };
    struct CCut {
        CPrimitive* pWire;               // keeps the piece at its point 0
        CPoint ptEnds[2];                // before the cut
        std::vector<CPoint> junctions;   // where it is cut, from point 0 on
        std::vector<CPrimitive*> pieces; // the others, once cut, in the document
    };
    void PlanCuts(std::vector<CPoint> junctions);
    void Cut(CSchemoDoc& doc);
    void Uncut(CSchemoDoc& doc);

    std::vector<CEnd> m_ends;
    std::vector<CCut> m_cuts;
    CDragSet m_set;
};
