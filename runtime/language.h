#pragma once

#include <QString>
#include <QStringList>

// The language the program speaks: the platform states the user's languages in order
// of preference, and the program ships translations for some of them.
namespace vrc::runtime {

// The translation for the first of `uiLanguages` (BCP 47 tags, as
// QLocale::uiLanguages() gives them) that has one among `available` ("de", "pt_BR"),
// or an empty string for English: English is the program's own language, so a user
// who prefers it over a translated one gets it.
[[nodiscard]] QString ChooseLanguage(const QStringList &uiLanguages, const QStringList &available);

// The languages the program carries translations for.
[[nodiscard]] QStringList AvailableLanguages();

// Installs the program's and Qt's own translations for the user's language, as the
// platform states it; returns its code, empty for English. Needs the application
// object.
QString InstallTranslations();

// Where Qt's own translations (qtbase_<code>.qm) are: the system's copy on Linux, a
// copy compiled into the program on Windows. One source file per platform.
[[nodiscard]] QString QtTranslationsDirectory();

} // namespace vrc::runtime
