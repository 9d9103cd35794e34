// Platforms that list programs, not windows, in their taskbar (a dock).
#include "runtime/window_system.h"

#include <QWidget>

namespace vrc::runtime {

void KeepOffTaskbar(QWidget & /*window*/) {}

void ActivateWindow(QWidget &window) {
    window.activateWindow();
}

} // namespace vrc::runtime
