// Platforms where an owned window already stays off the taskbar.
#include "runtime/window_system.h"

#include <QWidget>

namespace vrc::runtime {

void KeepOffTaskbar(QWidget & /*window*/) {}

void ActivateWindow(QWidget &window) {
    window.activateWindow();
}

} // namespace vrc::runtime
