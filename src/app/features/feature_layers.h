#pragma once
// The layers: the table read at start, the current-layer combo box on the
// primitives toolbar and "Gestione Layer".
#include "app/frame/feature.h"

#include <QObject>

class CLayerCombo;
class QToolBar;

class CLayersFeature final : public QObject, public IFeature {
    Q_OBJECT
  public:
    CLayersFeature(IFrameServices& frame, QToolBar* primitives);
    void Run(int nId) override; // "Gestione Layer"
    // The layer new primitives go on: 0 at every launch, never stored.
    int CurrentLayer() const { return m_nCurrentLayer; }

  private:
    void CreateLayerCombo(QToolBar* primitives);
    void OnLayerChosen(int nIndex);
    void AfterLayerChange();
    void TraceLayer();

    IFrameServices& m_frame;
    CLayerCombo* m_pLayerCombo = nullptr;
    int m_nCurrentLayer = 0;
};
