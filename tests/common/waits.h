#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Tests wait on the event itself, bounded by what a cold machine meets: the first windows
// a fresh machine shows under a window manager can take well over QTest's default 5 s.
namespace vrc::test {

inline constexpr int kWaitMs = 30000;

// What a window is and is not yet, so that a wait that runs out names the missing event.
inline QString WindowStates(const QWidget *widget) {
    const QWindow *handle = widget->windowHandle();
    const QWidget *active = QApplication::activeWindow();
    return QStringLiteral("visible %1, exposed %2, active %3; active window: %4; platform %5")
        .arg(widget->isVisible())
        .arg(handle != nullptr && handle->isExposed())
        .arg(widget->isActiveWindow())
        .arg(active != nullptr ? active->objectName() : QStringLiteral("none"),
             QGuiApplication::platformName());
}

// Empty once `arrived` (one of QTest's window waits) reports the event within the bound;
// otherwise which event did not come.
inline QString WaitFor(bool (*arrived)(QWidget *, int), const char *event, QWidget *widget) {
    if (arrived(widget, kWaitMs)) {
        return {};
    }
    return QStringLiteral("'%1' not %2 within %3 ms (%4)")
        .arg(widget->objectName(), QLatin1String(event))
        .arg(kWaitMs)
        .arg(WindowStates(widget));
}

inline QString WaitExposed(QWidget *widget) {
    return WaitFor(QTest::qWaitForWindowExposed, "exposed", widget);
}

inline QString WaitActive(QWidget *widget) {
    return WaitFor(QTest::qWaitForWindowActive, "active", widget);
}

} // namespace vrc::test

#define VRC_WAIT_EXPOSED(widget)                                                                   \
    do {                                                                                           \
        const QString missing = vrc::test::WaitExposed(widget);                                    \
        QVERIFY2(missing.isEmpty(), qPrintable(missing));                                          \
    } while (false)

#define VRC_WAIT_ACTIVE(widget)                                                                    \
    do {                                                                                           \
        const QString missing = vrc::test::WaitActive(widget);                                     \
        QVERIFY2(missing.isEmpty(), qPrintable(missing));                                          \
    } while (false)
