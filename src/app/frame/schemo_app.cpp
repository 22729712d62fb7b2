#include "app/frame/schemo_app.h"
#include "app/frame/program_context.h"

#include "app/frame/main_frame.h"
#include "app/frame/splash.h"
#include "app/frame/trace.h"
#include "app/platform/file_types.h"
#include "app/platform/settings_store.h"
#include "format/macro_cache.h"
#include "format/program_dir.h"
#include "model/fontfaces.h"
#include "model/prototypes.h"
#include "qtlayer/qt_fontfaces.h"
#include "qtlayer/qt_translate.h"
#include "view/program/command_line.h"
#include "view/program/version.h"

#include <QApplication>
#include <QFile>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>

namespace {
CCommandLine ParseOrExit(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CCommandLine cl;
    std::string error;
    const bool bEnglish = LoadUiTranslation();
    if (!ParseCommandLine(args, cl, error)) {
        std::fprintf(stderr, "tavolin: %s\n%s", TrMessageBytes(error).c_str(),
                     CommandLineUsage(bEnglish).c_str());
        std::exit(2);
    }
    // Before the application: they need no display.
    if (cl.bHelp || cl.bVersion) {
        std::fputs(cl.bHelp ? CommandLineUsage(bEnglish).c_str() : kVersionLine, stdout);
        if (!cl.bHelp) std::fputc('\n', stdout);
        std::exit(0);
    }
    return cl;
}

// The macro bar fills the cache from these folders when the frame is created.
void SetLibraryFolders(const CCommandLine& cl) {
    EnsureUserDataFolder(UserDataFolder());
    g_library.folders = DefaultLibraryFolders(cl.programDir);
}

void OpenFiles(CMainFrame& frame, const CCommandLine& cl) {
    frame.SetOpenZoom(cl.nZoom, cl.bOrigin, cl.nOriginX, cl.nOriginY);
    for (const std::string& f : cl.files)
        frame.OpenFile(QFile::decodeName(f.c_str()));
    frame.SetOpenZoom(0, false, 0, 0);
}

// A log-off closes as the main window's close does: the documents are asked
// about first, and only then are the settings stored.
void HandleLogOff(QApplication& app, CMainFrame& frame) {
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frame,
                     [&frame](QSessionManager& m) {
                         if (m.allowsInteraction() && !frame.close()) {
                             m.cancel();
                             return;
                         }
                         frame.SaveState();
                     });
}
} // namespace

int RunTavolin(int argc, char** argv) {
    ResetPrototypes();
    const CCommandLine cl = ParseOrExit(argc, argv);
    QApplication::setOrganizationName("Zanibo Corporation");
    QApplication::setApplicationName("Tavolin");
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(":/icons/tavolin.svg"));
    static CQtFontFaces faces;
    SetFontFaceSource(&faces);
    EnableTrace(cl.bTrace);
    InstallUiTranslation();
    SetLibraryFolders(cl);
    SettingsStore::LoadConfiguration();
    g_settings.nAutosaveSeconds = cl.nAutosaveSeconds;
    CMainFrame frame;
    if (!cl.bNoSplash) CSplashWnd::ShowOver(&frame);
    if (SettingsStore::RegisterFileTypesWanted())
        RegisterFileTypes(QCoreApplication::applicationFilePath());
    frame.show();
    HandleLogOff(app, frame);
    // Over the shown window: first what an earlier run left unsaved, then the
    // files asked for, so that one of them just recovered is not read again.
    QTimer::singleShot(0, &frame, [&] {
        frame.Start();
        OpenFiles(frame, cl);
        TraceLine("READY");
    });
    const int result = app.exec();
    g_library.cache.Clear();
    return result;
}
