#pragma once
// "Griglia e Snap": the grid and snap steps and three switches of a view.
class QWidget;

struct CGridSnapValues {
    int nGridX, nGridY; // 1..40
    int nSnapX, nSnapY; // 1..20
    bool bSnap, bShowGrid, bHideMacroOrigin;
};

// Shows the dialog filled from `v`; on OK writes all seven back and answers
// true. Spin boxes keep every value in its range, so nothing is half taken.
bool RunGridSnapDialog(QWidget* parent, CGridSnapValues& v);
