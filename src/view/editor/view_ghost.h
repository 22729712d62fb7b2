#pragma once
// The symbol the macro tool would place, shown at the pointer before any
// press: it is drawn over the window's picture, never put in the drawing, and
// keeps the turns and the mirror given to it for the next placements of the
// same symbol.
#include "model/macro.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CGhostSymbol {
  public:
    using Resolver = std::function<bool(const std::string& name, CMacro& macro)>;

    // The symbol `name` with its origin at pt; false, and nothing shown, when
    // the name does not resolve. It is resolved again each time it appears,
    // as the libraries may have changed meanwhile, and not again after it
    // failed until it is hidden.
    bool Show(const std::string& name, CPoint pt, const Resolver& resolve);
    void Hide();
    // The symbol shown, or none.
    const CMacro* Shown() const { return m_bShown ? m_pMacro.get() : nullptr; }
    CMacro* Shown() { return m_bShown ? m_pMacro.get() : nullptr; }

    // About its origin, which is the pointer.
    void Turn() { Apply(false); }
    void Mirror() { Apply(true); }

    // The macro to place: `name` resolved afresh at pt, turned and mirrored
    // as the symbol last shown when it is the same; none when it does not resolve.
    std::unique_ptr<CMacro> Make(const std::string& name, CPoint pt, const Resolver& resolve) const;

  private:
    void Apply(bool bMirror);

    std::unique_ptr<CMacro> m_pMacro;
    std::string m_strName;
    std::vector<bool> m_turns; // the mirrors (true) and quarter turns given, in order
    bool m_bShown = false;
    bool m_bFailed = false;
};
