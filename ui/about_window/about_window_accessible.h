#pragma once

#include <QAccessibleInterface>

namespace vrc::ui {

// Interfaces for the About window: a dialog whose controls a reader meets top
// to bottom, as they are read on screen, not in their stacking order.
QAccessibleInterface *AboutWindowAccessibleFactory(const QString &className, QObject *object);

} // namespace vrc::ui
