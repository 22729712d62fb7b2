// The wires stretched by G's move.
#include "view/editor/state_wire_drag.h"

#include "view/editor/view_controller.h"

void CWireDragState::Start() {
    m_wires.Attach(m_view.m_doc, m_view.m_ctx.layers);
    CMoveState::Start();
}

void CWireDragState::TakeOutWires() {
    m_wires.TakeOut(m_view.m_doc);
}

// The wires go back where they were in the list, which lacks the selection;
// whole again when nothing changed.
void CWireDragState::PutBackWires(bool bChange) {
    if (bChange)
        m_wires.PutBack(m_view.m_doc);
    else
        m_wires.Restore(m_view.m_doc);
}

void CWireDragState::RestoreWires() {
    m_wires.Restore(m_view.m_doc);
}
