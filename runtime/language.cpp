#include "runtime/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace vrc::runtime {

namespace {

constexpr char kProgramTranslations[] = ":/translations";
constexpr char kFilePrefix[] = "vornratingcalc_";

} // namespace

QString ChooseLanguage(const QStringList &uiLanguages, const QStringList &available) {
    for (const QString &tag : uiLanguages) {
        // QLocale fills in what a short tag leaves out: "zh" is zh_CN, "pt" pt_BR.
        const QLocale locale(tag);
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) {
            continue;
        }
        if (locale.language() == QLocale::English) {
            return {};
        }
        QString language = QLocale::languageToCode(locale.language());
        QString regional =
            language + QLatin1Char('_') + QLocale::territoryToCode(locale.territory());
        if (available.contains(regional)) {
            return regional;
        }
        if (available.contains(language)) {
            return language;
        }
    }
    return {};
}

QStringList AvailableLanguages() {
    QStringList codes;
    const QString prefix = QLatin1String(kFilePrefix);
    const QStringList files =
        QDir(QLatin1String(kProgramTranslations))
            .entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        codes << file.mid(prefix.size()).chopped(3);
    }
    return codes;
}

QString InstallTranslations() {
    QString code = ChooseLanguage(QLocale::system().uiLanguages(), AvailableLanguages());
    if (code.isEmpty()) {
        return code;
    }
    auto *app = QCoreApplication::instance();
    auto *own = new QTranslator(app);
    if (!own->load(QLatin1String(kFilePrefix) + code, QLatin1String(kProgramTranslations))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    return code;
}

} // namespace vrc::runtime
