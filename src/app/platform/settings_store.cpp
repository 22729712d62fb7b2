#include "app/platform/settings_store.h"

#include "app/frame/program_context.h"
#include "app/platform/qt_profile_store.h"
#include "doc/document/settings.h"
#include "view/program/app_settings.h"
#include "view/viewport/window_rect.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace {
const char* const kBars = "Toolbars";
const char* const kRecent = "Recent File List";
constexpr int kRecentCount = 6;
} // namespace

void SettingsStore::LoadConfiguration() {
    CQtProfileStore store;
    ::LoadConfiguration(g_settings, store);
}

void SettingsStore::SaveConfiguration() {
    CQtProfileStore store;
    ::SaveConfiguration(g_settings, store);
}

bool SettingsStore::RegisterFileTypesWanted() {
    return CQtProfileStore().GetInt("Configurazione", "bRegisterFileTypes", 1) != 0;
}

QRect SettingsStore::LoadWindowRect() {
    CQtProfileStore store;
    std::vector<CRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect a = screen->availableGeometry();
        screens.push_back({a.left(), a.top(), a.left() + a.width(), a.top() + a.height()});
    }
    const CRect c = ClampWindowRect(::LoadWindowRect(store), screens);
    return QRect(c.left, c.top, c.right - c.left, c.bottom - c.top);
}

void SettingsStore::SaveWindowRect(const QRect& r) {
    CQtProfileStore store;
    ::SaveWindowRect({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}, store);
}

QByteArray SettingsStore::LoadBarState() {
    return QSettings().value(QString(kBars) + "/State").toByteArray();
}

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
    for (int i = 0; i < files.size() && i < kRecentCount; ++i)
        s.setValue(QString("File%1").arg(i + 1), files[i]);
}
