// The symbol under the pointer while the macro tool waits for a press.
#include "view/editor/view_ghost.h"

#include "view/commands/commands.h"
#include "view/commands/selection_ops.h"
#include "view/editor/view_controller.h"
#include "view/editor/view_host.h"

bool CGhostSymbol::Show(const std::string& name, CPoint pt, const Resolver& resolve) {
    if (name != m_strName) {
        m_strName = name;
        m_turns.clear();
        m_pMacro.reset();
        m_bShown = m_bFailed = false;
    }
    if (!m_bShown && !m_bFailed) {
        m_pMacro = Make(name, pt, resolve);
        m_bFailed = !m_pMacro;
        if (m_pMacro) m_pMacro->SetSelected(true); // drawn as the macro being placed is
    }
    if (m_pMacro) m_pMacro->SetPoint(0, pt.x, pt.y);
    m_bShown = m_pMacro != nullptr;
    return m_bShown;
}

void CGhostSymbol::Hide() {
    m_bShown = m_bFailed = false;
}

void CGhostSymbol::Apply(bool bMirror) {
    if (!m_pMacro) return;
    m_turns.push_back(bMirror);
    const CPoint o = m_pMacro->GetPoint(0);
    if (bMirror)
        MirrorPrimitives({m_pMacro.get()}, o.x);
    else
        TurnPrimitives({m_pMacro.get()}, o.x, o.y);
}

std::unique_ptr<CMacro> CGhostSymbol::Make(const std::string& name, CPoint pt,
                                           const Resolver& resolve) const {
    auto macro = std::make_unique<CMacro>();
    if (name.empty() || !resolve || !resolve(name, *macro)) return nullptr;
    macro->PlaceComponents();
    macro->SetPoint(0, pt.x, pt.y);
    if (name != m_strName) return macro;
    for (bool bMirror : m_turns)
        if (bMirror)
            MirrorPrimitives({macro.get()}, pt.x);
        else
            TurnPrimitives({macro.get()}, pt.x, pt.y);
    return macro;
}

// Shown only while idle with the macro tool and a symbol that resolves; an
// unresolvable name beeps at the press, not at every move.
void CViewController::UpdateGhost(CPoint pt) {
    const CMacro* before = Ghost();
    const CPoint ptBefore = before ? before->GetPoint(0) : POINT_UNSET;
    const bool bWanted = IsIdle() && m_host.CurrentTool() == TOOL_MACRO;
    if (!bWanted || !m_ghost.Show(m_host.SelectedMacro(), pt, m_ctx.resolveMacro)) m_ghost.Hide();
    const CMacro* now = Ghost();
    if ((before || now) && !(before && now && pt == ptBefore)) RefreshOverlay();
}

const CMacro* CViewController::Ghost() const {
    return IsIdle() && m_host.CurrentTool() == TOOL_MACRO ? m_ghost.Shown() : nullptr;
}

void CViewController::OnMouseLeave() {
    if (!m_ghost.Shown()) return;
    m_ghost.Hide();
    RefreshOverlay();
}

void CViewController::OnToolChanged() {
    if (m_ghost.Shown() && m_host.CurrentTool() != TOOL_MACRO) OnMouseLeave();
}

bool CViewController::TurnGhost(bool bMirror) {
    if (!Ghost()) return false;
    if (bMirror)
        m_ghost.Mirror();
    else
        m_ghost.Turn();
    RefreshOverlay();
    return true;
}
