#pragma once
// "Griglia e Snap": the grid and snap steps and three switches of a view.
#include "view/viewport/view_coords.h"

class QWidget;

// Shows the dialog filled from `v`; on OK writes all seven back and answers
// true. Spin boxes keep every value in its range, so nothing is half taken.
bool RunGridSnapDialog(QWidget* parent, CGridSnap& v);
