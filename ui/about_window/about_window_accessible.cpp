#include "ui/about_window/about_window_accessible.h"

#include "ui/about_window/about_window.h"
#include "ui/shared/reading_order_accessible.h"

namespace vrc::ui {

QAccessibleInterface *AboutWindowAccessibleFactory(const QString & /*className*/, QObject *object) {
    if (auto *window = qobject_cast<AboutWindow *>(object)) {
        return new ReadingOrderAccessible(window, QAccessible::Dialog);
    }
    return nullptr;
}

} // namespace vrc::ui
