#include "runtime/language.h"

namespace vrc::runtime {

// A statically linked Qt has no translations beside it: the build compiles those of
// the program's languages in.
QString QtTranslationsDirectory() {
    return QStringLiteral(":/qt-translations");
}

} // namespace vrc::runtime
