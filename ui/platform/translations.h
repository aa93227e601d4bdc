#pragma once

#include <QString>
#include <QStringList>

namespace brevanta {

// Installs the program's translation, with Qt's own for its standard buttons and dialogs, for the
// first of the user's languages (most preferred first, as QLocale::uiLanguages() lists them) that
// is English or has a translation; English, the language of the source texts, needs none.
// Returns the language installed ("de"), or an empty string for English.
QString InstallTranslations(const QStringList& uiLanguages);

// The language InstallTranslations installed; empty for English. The help topics follow it.
QString TranslationLanguage();

}  // namespace brevanta
