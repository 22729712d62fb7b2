#pragma once
// "Esporta per la produzione": the outline's layer, the mask's growth, the
// stroke, the design rules and the archive to write.
#include "model/layers.h"
#include "view/forms/fab_choices.h"

class QWidget;

// Shows the dialog filled from `c`; on OK writes the choices back and answers
// true. The lengths are checked by the caller, which knows what they are for.
bool RunFabDialog(QWidget* parent, const CLayerTable& layers, CFabChoices& c);
