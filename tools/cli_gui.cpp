#include "cli.h"
#include "qtlayer/qt_translate.h"

#include "doc/document/system_error.h"
#include "doc/files/safe_file.h"
#include "qtlayer/qt_fontfaces.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

// Without a session (as in a terminal over ssh or in CI) Qt wants a private
// runtime folder; one per user under /tmp keeps it quiet.
void EnsureRuntimeDir() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const std::string dir = "/tmp/runtime-tavolin-" + std::to_string(::getuid());
    struct stat st {};
    if (::mkdir(dir.c_str(), 0700) != 0 &&
        (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()))
        return;
    ::chmod(dir.c_str(), 0700);
    qputenv("XDG_RUNTIME_DIR", dir.c_str());
}

std::unique_ptr<QGuiApplication> StartGui() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    EnsureRuntimeDir();
    static int argc = 1;
    static char arg0[] = "tavolin-cli";
    static char* argv[] = {arg0, nullptr};
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    static CQtFontFaces faces;
    SetFontFaceSource(&faces);
    return app;
}

bool SavePngForTool(const QImage& image, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    int nErrno = 0;
    if (buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") &&
        WriteFileSafely(path, std::string(bytes.constData(), std::size_t(bytes.size())), &nErrno))
        return true;
    const std::string failure = WithSystemCause(FillMessage(MSG_CANNOT_WRITE, path), nErrno);
    std::fprintf(stderr, "%s\n", TrMessageBytes(failure).c_str());
    return false;
}
