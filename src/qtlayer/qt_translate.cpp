#include "qtlayer/qt_translate.h"

#include "doc/document/document_ui.h"
#include "qtlayer/qt_fontfaces.h"
#include "view/program/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {
const char* const kMessages = "Messaggi";
// Loaded once at start; null while the interface is Italian.
QTranslator* g_pTranslator = nullptr;

bool ChoosesEnglish() {
    const QVariant setting = QSettings("Zanibo Corporation", "Tavolin")
                                 .value(QString(kUiLanguageSection) + "/" + kUiLanguageKey);
    std::vector<std::string> languages;
    for (const QString& l : QLocale::system().uiLanguages())
        languages.push_back(l.toStdString());
    return ShowsEnglish(ParseUiLanguage(setting.toString().toStdString()), languages,
                        QLocale::system().language() == QLocale::C);
}

// The line itself when it has no translation, so that it shows as it was.
QString TrLine(const std::string& line) {
    const CFilledMessage m = RecogniseMessage(line);
    const QByteArray source =
        m.pszTemplate ? QByteArray(m.pszTemplate) : DecodeCp1252(line).toUtf8();
    const QString shown = TrCore(kMessages, source.constData());
    if (shown == QString::fromUtf8(source)) return DecodeCp1252(line);
    return m.pszTemplate ? QString(shown).replace("%1", DecodeCp1252(m.arg)) : shown;
}
} // namespace

bool LoadEnglishTranslation() {
    static QTranslator translator;
    if (!g_pTranslator && translator.load(":/i18n/tavolin_en.qm")) g_pTranslator = &translator;
    return g_pTranslator != nullptr;
}

bool LoadUiTranslation() {
    if (g_pTranslator) return true;
    if (!ChoosesEnglish()) return false;
    LoadEnglishTranslation();
    return true;
}

bool UiShowsEnglish() {
    return g_pTranslator != nullptr;
}

bool InstallUiTranslation() {
    if (!LoadUiTranslation()) {
        InstallQtItalian();
        return false;
    }
    if (g_pTranslator) QCoreApplication::installTranslator(g_pTranslator);
    return true;
}

bool InstallQtItalian() {
    static QTranslator qt;
    if (!qt.isEmpty()) return true;
    return qt.load(QLocale(QLocale::Italian), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&qt);
}

QString TrCore(const char* pszContext, const char* pszText) {
    const QString shown = g_pTranslator ? g_pTranslator->translate(pszContext, pszText) : QString();
    return shown.isEmpty() ? QString::fromUtf8(pszText) : shown;
}

std::string TrMessageBytes(const std::string& text) {
    return g_pTranslator ? TrMessage(text).toUtf8().toStdString() : text;
}

std::string TrCoreBytes(const char* pszContext, const char* pszText) {
    return g_pTranslator ? TrCore(pszContext, pszText).toUtf8().toStdString() : pszText;
}

QString TrMessage(const std::string& text) {
    if (text.find('\n') == std::string::npos) return TrLine(text);
    const QString whole = TrLine(text);
    if (whole != DecodeCp1252(text)) return whole;
    QStringList lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
        lines << TrLine(text.substr(from, at - from));
    lines << TrLine(text.substr(from));
    return lines.join('\n');
}
