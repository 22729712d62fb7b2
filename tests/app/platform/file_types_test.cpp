// The launcher entry, the file types and the icons installed for the user:
// under the program's AppStream id, written once, and what an older version
// wrote under the name "tavolin" taken away only when it is ours.
#include "app/platform/file_types.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void Write(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class FileTypesTest : public QObject {
    Q_OBJECT
  private slots:
    void theFilesAreNamedAfterTheIdAndTheOldOnesOfOursGo() {
        Q_INIT_RESOURCE(tavolin);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString data = home.path();
        qputenv("XDG_DATA_HOME", data.toUtf8());
        // No database tools: nothing runs in the background over the folder.
        qputenv("PATH", data.toUtf8());
        const QString apps = data + "/applications/", packages = data + "/mime/packages/";
        const QString icons = data + "/icons/hicolor/scalable/";
        Write(apps + "tavolin.desktop",
              "[Desktop Entry]\nMimeType=application/x-tavolin-document;\n");
        Write(packages + "tavolin.xml", "<mime-type type=\"application/x-tavolin-macro\"/>");
        Write(icons + "apps/tavolin.svg", "<svg>someone else's</svg>");

        QCOMPARE(RegisterFileTypes("/opt/t/tavolin"), 6);
        const QByteArray desktop = Read(apps + "io.github.tavolin.Tavolin.desktop");
        QVERIFY(desktop.contains("\nExec=\"/opt/t/tavolin\" %F\n"));
        QVERIFY(desktop.contains("\nIcon=io.github.tavolin.Tavolin\n"));
        QVERIFY(Read(packages + "io.github.tavolin.Tavolin.xml").contains("*.tvl"));
        QVERIFY(Read(icons + "apps/io.github.tavolin.Tavolin.svg").contains("<svg"));
        QVERIFY(QFile::exists(icons + "mimetypes/application-x-tavolin-library.svg"));
        QVERIFY(!QFile::exists(apps + "tavolin.desktop"));
        QVERIFY(!QFile::exists(packages + "tavolin.xml"));
        QCOMPARE(Read(icons + "apps/tavolin.svg"), QByteArray("<svg>someone else's</svg>"));

        QCOMPARE(RegisterFileTypes("/opt/t/tavolin"), 0);
        QCOMPARE(RegisterFileTypes("/usr/bin/tavolin"), 1);
    }
};

QTEST_GUILESS_MAIN(FileTypesTest)
#include "file_types_test.moc"
