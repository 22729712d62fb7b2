#include "view/forms/layer_dialog_model.h"

#include <algorithm>
#include <iterator>

void CLayerDlgModel::SetAllShow(bool bOn) {
    std::fill(std::begin(m_values.m_bLayerShow), std::end(m_values.m_bLayerShow), bOn ? 1 : 0);
}

void CLayerDlgModel::SetAllPrint(bool bOn) {
    std::fill(std::begin(m_values.m_bLayerPrint), std::end(m_values.m_bLayerPrint), bOn ? 1 : 0);
}

void CLayerDlgModel::RestoreView() {
    SetAllShow(true);
    SetAllPrint(true);
}

void CLayerDlgModel::RestoreNames() {
    const CLayerTable defaults;
    std::copy(std::begin(defaults.m_strLayerName), std::end(defaults.m_strLayerName),
              std::begin(m_values.m_strLayerName));
}

void CLayerDlgModel::RestoreColors() {
    const CLayerTable defaults;
    std::copy(std::begin(defaults.m_crLayerColor), std::end(defaults.m_crLayerColor),
              std::begin(m_values.m_crLayerColor));
}

void CLayerDlgModel::SaveView(CLayerTable& running, IProfileStore& store) {
    std::copy(std::begin(m_values.m_bLayerShow), std::end(m_values.m_bLayerShow),
              std::begin(running.m_bLayerShow));
    std::copy(std::begin(m_values.m_bLayerPrint), std::end(m_values.m_bLayerPrint),
              std::begin(running.m_bLayerPrint));
    SaveLayerShow(running, store);
    SaveLayerPrint(running, store);
    m_bSaved = true;
}

void CLayerDlgModel::SaveNames(CLayerTable& running, IProfileStore& store) {
    std::copy(std::begin(m_values.m_strLayerName), std::end(m_values.m_strLayerName),
              std::begin(running.m_strLayerName));
    SaveLayerNames(running, store);
    m_bSaved = true;
}

void CLayerDlgModel::SaveColors(CLayerTable& running, IProfileStore& store) {
    std::copy(std::begin(m_values.m_crLayerColor), std::end(m_values.m_crLayerColor),
              std::begin(running.m_crLayerColor));
    SaveLayerColors(running, store);
    m_bSaved = true;
}

void CLayerDlgModel::ApplyTo(CLayerTable& running) const {
    running = m_values;
}
