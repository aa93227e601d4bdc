#include "ui/platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace brevanta {

namespace {

QString& InstalledLanguage() {
    static QString language;
    return language;
}

}  // namespace

QString InstallTranslations(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English) break;
        auto program = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (!program->load(locale, "brevanta", "_", ":/i18n")) continue;
        QCoreApplication::installTranslator(program.release());
        // Qt's own may be missing (another package); the program's texts are translated anyway.
        auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.release());
        }
        InstalledLanguage() = QLocale::languageToCode(locale.language());
        return InstalledLanguage();
    }
    InstalledLanguage().clear();
    return {};
}

QString TranslationLanguage() { return InstalledLanguage(); }

}  // namespace brevanta
