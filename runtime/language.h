#pragma once

#include <QString>
#include <QStringList>

// The language the program speaks: the platform states the user's languages in order
// of preference, and the program ships translations for some of them.
namespace vrc::runtime {

// The translation for the first of `uiLanguages` (language tags: "pt-BR", "zh-Hant-TW",
// "de_DE.UTF-8") that has one among `available` ("de", "pt_BR"), or an empty string for
// English: English is the program's own language, so a user who prefers it over a
// translated one gets it. A regional translation is refused to readers of its language
// elsewhere (pt-PT, zh-TW), and then to a bare tag of that language later in the list
// (zh-TW, zh): browsers and LANGUAGE add the bare language as a fallback. The page and
// the installer choose by the same rules.
[[nodiscard]] QString ChooseLanguage(const QStringList &uiLanguages, const QStringList &available);

// The user's languages as the platform states them, in order: LANGUAGE or the message
// locale on Linux, the display languages on Windows. Not QLocale::uiLanguages(), which
// adds its guesses after each ("zh" gains "zh-Hans-CN") and puts the number format's
// language first when the list lacks it. One source file per platform.
[[nodiscard]] QStringList UserLanguages();

// The translation InstallTranslations() installed; empty for English, or before.
[[nodiscard]] QString InstalledLanguage();

// The languages the program carries translations for.
[[nodiscard]] QStringList AvailableLanguages();

// Installs the program's translation for the user's language, as the platform states
// it; returns its code, empty for English. The translation also holds the texts of Qt's
// own that the program shows (the message box's button, the text boxes' menu, the
// command line's complaints): no edition reads Qt's catalogues. Needs the application
// object.
QString InstallTranslations();

} // namespace vrc::runtime
