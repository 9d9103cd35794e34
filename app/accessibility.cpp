#include "app/accessibility.h"

#include "ui/about_window/about_window_accessible.h"
#include "ui/rating_window/rating_window_accessible.h"
#include "ui/shared/reading_order_accessible.h"

#include <QAccessible>

namespace vrc::app {

void InstallAccessibility() {
    QAccessible::installFactory(ui::SharedAccessibleFactory);
    QAccessible::installFactory(ui::AboutWindowAccessibleFactory);
    QAccessible::installFactory(ui::RatingWindowAccessibleFactory);
}

} // namespace vrc::app
