#pragma once

class QWidget;

// How the program's windows stand in the desktop, where Qt leaves it to the
// platform. One source file per platform implements these.
namespace vrc::runtime {

// Keeps a top-level window off the taskbar and the pager, also one that has
// no owner. Call it each time the window is shown, from its show event
// (before the window is mapped).
void KeepOffTaskbar(QWidget &window);

// Makes a shown top-level window the active one, so that the keys typed next
// reach its focused control, also where no window manager activates windows.
void ActivateWindow(QWidget &window);

} // namespace vrc::runtime
