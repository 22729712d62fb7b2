#include "app/file_types.h"

#include "view/document_kinds.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
QByteArray ReadResource(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes only when the file is missing or holds something else.
bool Install(const QString& path, const QByteArray& content) {
    if (content.isEmpty()) return false;
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == content) return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(content);
    return f.commit();
}

void RunQuietly(const QString& program, const QStringList& args) {
    if (!QStandardPaths::findExecutable(program).isEmpty()) QProcess::startDetached(program, args);
}
} // namespace

int RegisterFileTypes(const QString& executable) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) return 0;
    QByteArray desktop = ReadResource(":/desktop/tavolin.desktop");
    desktop.replace("Exec=tavolin %F", "Exec=\"" + executable.toUtf8() + "\" %F");
    const QString icons = data + "/icons/hicolor/scalable/";
    bool bMime =
        Install(data + "/mime/packages/tavolin.xml", ReadResource(":/desktop/tavolin-mime.xml"));
    const bool bDesktop = Install(data + "/applications/tavolin.desktop", desktop);
    int n = int(bMime) + int(bDesktop);
    n += Install(icons + "apps/tavolin.svg", ReadResource(":/icons/tavolin.svg"));
    for (const CDocumentKind& k : DOCUMENT_KINDS) {
        // "application/x-tavolin-macro": icon "application-x-tavolin-macro", ours "tavolin-macro"
        const QString mime = k.mimeType;
        const QString ours = mime.mid(mime.indexOf("x-") + 2);
        if (Install(icons + "mimetypes/" + QString(mime).replace('/', '-') + ".svg",
                    ReadResource(":/icons/" + ours + ".svg")))
            bMime = true, ++n;
    }
    if (bMime) RunQuietly("update-mime-database", {data + "/mime"});
    if (bDesktop) RunQuietly("update-desktop-database", {data + "/applications"});
    return n;
}
