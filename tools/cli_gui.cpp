#include "cli.h"

#include "qtlayer/qt_fontfaces.h"

#include <QGuiApplication>

std::unique_ptr<QGuiApplication> StartGui() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char arg0[] = "tavolin-cli";
    static char* argv[] = {arg0, nullptr};
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    static CQtFontFaces faces;
    SetFontFaceSource(&faces);
    return app;
}
