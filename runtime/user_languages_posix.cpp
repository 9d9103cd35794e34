#include "runtime/language.h"

#include <QByteArray>

namespace vrc::runtime {

// As gettext and Qt read them: LANGUAGE's list first, else the one locale messages
// follow.
QStringList UserLanguages() {
    const QByteArray list = qgetenv("LANGUAGE");
    if (!list.isEmpty()) {
        return QString::fromLocal8Bit(list).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    }
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty()) {
            return {QString::fromLocal8Bit(value)};
        }
    }
    return {};
}

} // namespace vrc::runtime
