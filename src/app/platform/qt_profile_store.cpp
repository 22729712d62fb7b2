#include "app/platform/qt_profile_store.h"

#include "qtlayer/qt_fontfaces.h"

#include <QSettings>

namespace {
QString Path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section + "/" + key);
}
} // namespace

std::string CQtProfileStore::GetString(const std::string& section, const std::string& key) {
    const QVariant v = QSettings().value(Path(section, key));
    return v.isValid() ? EncodeCp1252Lossy(v.toString()) : std::string();
}

int CQtProfileStore::GetInt(const std::string& section, const std::string& key, int nDefault) {
    bool ok = false;
    const int v = QSettings().value(Path(section, key)).toInt(&ok);
    return ok ? v : nDefault;
}

void CQtProfileStore::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    QSettings().setValue(Path(section, key), DecodeCp1252(value));
}

void CQtProfileStore::WriteInt(const std::string& section, const std::string& key, int nValue) {
    QSettings().setValue(Path(section, key), nValue);
}
