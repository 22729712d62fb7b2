#include "app/platform/file_types.h"

#include "view/forms/document_kinds.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
// The desktop's name for the program, which the installed files are named after.
constexpr const char kAppId[] = "io.github.tavolin.Tavolin";

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

// What an older version wrote under the name "tavolin" goes, when it is ours,
// so that the desktop does not show the program twice.
bool RemoveIfOurs(const QString& path, const QByteArray& mark, bool bWhole) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray content = f.readAll();
    f.close();
    if (mark.isEmpty() || (bWhole ? content != mark : !content.contains(mark))) return false;
    return f.remove();
}

void RunQuietly(const QString& program, const QStringList& args) {
    if (!QStandardPaths::findExecutable(program).isEmpty()) QProcess::startDetached(program, args);
}
} // namespace

int RegisterFileTypes(const QString& executable) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) return 0;
    const QString id = kAppId;
    QByteArray desktop = ReadResource(":/desktop/" + id + ".desktop");
    desktop.replace("Exec=tavolin %F", "Exec=\"" + executable.toUtf8() + "\" %F");
    const QString icons = data + "/icons/hicolor/scalable/";
    const QByteArray icon = ReadResource(":/icons/tavolin.svg");
    bool bMime = RemoveIfOurs(data + "/mime/packages/tavolin.xml", "application/x-tavolin-", false);
    bool bDesktop =
        RemoveIfOurs(data + "/applications/tavolin.desktop", "application/x-tavolin-", false);
    RemoveIfOurs(icons + "apps/tavolin.svg", icon, true);
    const bool bNewMime =
        Install(data + "/mime/packages/" + id + ".xml", ReadResource(":/desktop/tavolin-mime.xml"));
    const bool bNewDesktop = Install(data + "/applications/" + id + ".desktop", desktop);
    int n = int(bNewMime) + int(bNewDesktop);
    bMime |= bNewMime, bDesktop |= bNewDesktop;
    n += Install(icons + "apps/" + id + ".svg", icon);
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
