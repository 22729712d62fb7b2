#pragma once
// The small features: the tools and the active view's own commands.
#include "app/frame/feature.h"
#include "view/commands/frame_state.h"

// The thirteen tools: a tool command sets the current and the last tool.
class CToolsFeature final : public IFeature {
  public:
    void Run(int nId) override { m_tools.Choose(CommandTool(nId)); }
    CToolState& Tools() { return m_tools; }

  private:
    CToolState m_tools;
};

// Stretch, fit, grid, snap, PCB mode, macro origin and refresh of the active view.
class CViewFeature final : public IFeature {
  public:
    explicit CViewFeature(IFrameServices& frame) : m_frame(frame) {}
    void Run(int nId) override;

  private:
    IFrameServices& m_frame;
};
