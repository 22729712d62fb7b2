#pragma once
// The macro bar: its tree of the libraries' macros, its width, its commands
// and the watcher of the library folders.
#include "app/frame/feature.h"

#include <QObject>

#include <string>

class CMacroBar;
class CToolState;

class CMacrosFeature final : public QObject, public IFeature {
    Q_OBJECT
  public:
    CMacrosFeature(IFrameServices& frame, CToolState& tools);
    void Run(int nId) override;
    CMacroBar* Bar() const { return m_pMacroBar; }
    bool IsShown() const;
    std::string SelectedMacro() const;
    // "nMacrobarSize" sets the width whenever the bar is shown by the program.
    void ApplyWidth();
    void ApplyWidthIfShown();

  private:
    IFrameServices& m_frame;
    CMacroBar* m_pMacroBar;
};
