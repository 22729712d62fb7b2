#include "app/settings_store.h"

#include "doc/settings.h"
#include "view/window_rect.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {
const char* const kConfig = "Configurazione";
const char* const kWindow = "Window State";
const char* const kBars = "Toolbars";
const char* const kRecent = "Recent File List";
constexpr int kRecentCount = 6;

int ReadInt(QSettings& s, const char* key, int nDefault) {
    bool ok = false;
    const int v = s.value(key, nDefault).toInt(&ok);
    return ok ? v : nDefault;
}
} // namespace

void SettingsStore::LoadConfiguration() {
    QSettings s;
    s.beginGroup(kConfig);
    g_settings.bSplit = ReadInt(s, "bSplit", 1);
    g_settings.nMacrobarSize = ReadInt(s, "nMacrobarSize", 1);
    if (g_settings.nMacrobarSize < 0 || g_settings.nMacrobarSize > 2) g_settings.nMacrobarSize = 1;
    g_settings.bRegisterFileTypes = ReadInt(s, "bRegisterFileTypes", 1);
    g_settings.bPrintMirror = ReadInt(s, "bPrintMirror", 1);
    g_settings.bWarningYouSuck = ReadInt(s, "bWarningYouSuck", 0);
    g_settings.bRegionDebug = ReadInt(s, "bRegionDebug", 0);
    g_settings.nMicronsPerUnit = 127;
}

void SettingsStore::SaveConfiguration() {
    QSettings s;
    s.beginGroup(kConfig);
    s.setValue("bSplit", g_settings.bSplit);
    s.setValue("nMacrobarSize", g_settings.nMacrobarSize);
    s.setValue("bRegisterFileTypes", g_settings.bRegisterFileTypes);
    s.setValue("bPrintMirror", g_settings.bPrintMirror);
}

bool SettingsStore::RegisterFileTypesWanted() {
    QSettings s;
    return ReadInt(s, "Configurazione/bRegisterFileTypes", 1) != 0;
}

QRect SettingsStore::LoadWindowRect() {
    QSettings s;
    s.beginGroup(kWindow);
    const CRect r{ReadInt(s, "left", 20), ReadInt(s, "top", 20), ReadInt(s, "right", 800),
                  ReadInt(s, "bottom", 600)};
    std::vector<CRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect a = screen->availableGeometry();
        screens.push_back({a.left(), a.top(), a.left() + a.width(), a.top() + a.height()});
    }
    const CRect c = ClampWindowRect(r, screens);
    return QRect(c.left, c.top, c.right - c.left, c.bottom - c.top);
}

void SettingsStore::SaveWindowRect(const QRect& r) {
    QSettings s;
    s.beginGroup(kWindow);
    s.setValue("top", r.top());
    s.setValue("bottom", r.top() + r.height());
    s.setValue("left", r.left());
    s.setValue("right", r.left() + r.width());
}

QByteArray SettingsStore::LoadBarState() { return QSettings().value(QString(kBars) + "/State").toByteArray(); }

void SettingsStore::SaveBarState(const QByteArray& state) {
    QSettings().setValue(QString(kBars) + "/State", state);
}

QStringList SettingsStore::LoadRecentFiles() {
    QSettings s;
    s.beginGroup(kRecent);
    QStringList files;
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString f = s.value(QString("File%1").arg(i)).toString();
        if (!f.isEmpty()) files << f;
    }
    return files;
}

void SettingsStore::SaveRecentFiles(const QStringList& files) {
    QSettings s;
    s.remove(kRecent);
    s.beginGroup(kRecent);
    for (int i = 0; i < files.size() && i < kRecentCount; ++i) s.setValue(QString("File%1").arg(i + 1), files[i]);
}
