#include "runtime/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTranslator>

namespace vrc::runtime {

namespace {

constexpr char kProgramTranslations[] = ":/translations";
constexpr char kFilePrefix[] = "vornratingcalc_";

QString &Installed() {
    static QString code;
    return code;
}

// A language tag's parts, lower case: "zh-Hant-TW", "pt_PT", "de_DE.UTF-8@euro".
struct Tag {
    QString language;
    QString script;
    QString region;
};

Tag Split(const QString &tag) {
    Tag parts;
    const QString plain = tag.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QStringList subtags = plain.toLower().split(QRegularExpression(QStringLiteral("[-_]")));
    parts.language = subtags.value(0);
    for (qsizetype i = 1; i < subtags.size(); ++i) {
        const QString &subtag = subtags.at(i);
        if (subtag.size() == 1) {
            break; // an extension or private use: nothing about the script or region
        }
        static const QRegularExpression digits(QStringLiteral("^[0-9]{3}$"));
        if (subtag.size() == 4 && parts.script.isEmpty() && parts.region.isEmpty()) {
            parts.script = subtag;
        } else if ((subtag.size() == 2 || digits.match(subtag).hasMatch()) &&
                   parts.region.isEmpty()) {
            parts.region = subtag;
        }
    }
    return parts;
}

// Who reads a regional translation beyond its own region: by script where the
// language has more than one, and by the regions that write it the same way.
struct Readers {
    QStringList scripts;
    QStringList regions;
};

Readers ReadersOf(const QString &code) {
    if (code == QLatin1String("zh_CN")) {
        // Simplified Chinese; Taiwan, Hong Kong and Macau write traditional Chinese.
        return {{QStringLiteral("hans")}, {QStringLiteral("sg"), QStringLiteral("my")}};
    }
    // Brazilian Portuguese is read in Brazil alone.
    return {};
}

} // namespace

QString ChooseLanguage(const QStringList &uiLanguages, const QStringList &available) {
    QStringList refused; // languages whose regional translation a reader turned down
    for (const QString &tag : uiLanguages) {
        const Tag parts = Split(tag);
        if (parts.language == QLatin1String("en")) {
            return {};
        }
        for (const QString &code : available) {
            const QString language = code.section(QLatin1Char('_'), 0, 0).toLower();
            if (language != parts.language) {
                continue;
            }
            const QString region = code.section(QLatin1Char('_'), 1).toLower();
            if (region.isEmpty()) {
                return code;
            }
            const Readers readers = ReadersOf(code);
            bool reads = false;
            if (!parts.script.isEmpty() && !readers.scripts.isEmpty()) {
                reads = readers.scripts.contains(parts.script);
            } else if (!parts.region.isEmpty()) {
                reads = parts.region == region || readers.regions.contains(parts.region);
            } else {
                // A bare language reads it, unless the reader refused its region already.
                reads = !refused.contains(language);
            }
            if (reads) {
                return code;
            }
            refused << language;
        }
    }
    return {};
}

QString InstalledLanguage() {
    return Installed();
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
    QString code = ChooseLanguage(UserLanguages(), AvailableLanguages());
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
    Installed() = code;
    return code;
}

} // namespace vrc::runtime
