#include "runtime/language.h"

#include <QLibraryInfo>

namespace vrc::runtime {

// The distribution's Qt translations match the Qt the program runs on.
QString QtTranslationsDirectory() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace vrc::runtime
