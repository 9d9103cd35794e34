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

// Installs the program's translation for the user's language, as the platform states
// it; returns its code, empty for English. The translation also holds the texts of Qt's
// own that the program shows (the message box's button, the text boxes' menu, the
// command line's complaints): no edition reads Qt's catalogues. Needs the application
// object.
QString InstallTranslations();

} // namespace vrc::runtime
