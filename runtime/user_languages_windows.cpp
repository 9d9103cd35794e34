#include "runtime/language.h"

#include <vector>
#include <windows.h>

namespace vrc::runtime {

// The display languages in the user's order, as Qt and the installer read them.
QStringList UserLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) == FALSE ||
        size == 0) {
        return {};
    }
    std::vector<wchar_t> names(size);
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size) == FALSE) {
        return {};
    }
    // One name after another, each ended by a null, the list by a second one.
    QStringList languages;
    for (const wchar_t *name = names.data(); *name != L'\0';
         name += languages.constLast().size() + 1) {
        languages << QString::fromWCharArray(name);
    }
    return languages;
}

} // namespace vrc::runtime
