#pragma once
// Print, print preview and picture export of the active document, and the
// printer chosen with "Imposta stampante...", kept for the run.
#include "app/frame/feature.h"

class QPrinter;

class CPrintFeature final : public IFeature {
  public:
    explicit CPrintFeature(IFrameServices& frame);
    ~CPrintFeature() override;
    void Run(int nId) override;

  private:
    QPrinter& Printer();

    IFrameServices& m_frame;
    std::unique_ptr<QPrinter> m_pPrinter; // made on the first need
};
