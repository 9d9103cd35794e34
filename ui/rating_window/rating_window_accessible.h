#pragma once

#include <QAccessibleInterface>

namespace vrc::ui {

// Interfaces for the rating window: announced as the program's main window
// although a dialog underneath, its controls listed in reading order, and
// output boxes that carry their text.
QAccessibleInterface *RatingWindowAccessibleFactory(const QString &className, QObject *object);

} // namespace vrc::ui
