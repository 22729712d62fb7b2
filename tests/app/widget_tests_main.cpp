// The editor's widgets with the offscreen platform. The logic behind them is
// proven in the core; here only that the widgets reach it: the title, the
// real clipboard, what dialogs accept and hand back, the ranges of their spin
// boxes, the header fields as typed, and text shown or typed as Windows-1252.
#include "app/support/widget_test_support.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    int nFailed = 0;
    for (auto run : {RunWindowTest, RunFeaturesTest, RunBarsTest, RunDialogsTest})
        nFailed += run(argc, argv);
    return nFailed;
}
