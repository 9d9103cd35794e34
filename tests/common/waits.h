#pragma once

#include <QApplication>
#include <QDebug>
#include <QProcess>
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

// A program's output, or that it gave none.
inline QString Output(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished()) {
        return program + QStringLiteral(" gave no answer\n");
    }
    return QString::fromLocal8Bit(process.readAll());
}

// What the X server and the window manager make of the window, on xcb: a window that went
// astray between them shows here (not framed, no WM_STATE, unmapped). The window tree and
// the tail of the manager's log (its path in VRC_WM_LOG, set by run_under_xvfb.sh) go to
// the test's log, too long for a failure message.
inline QString X11View(const QWidget *widget) {
    const QWindow *handle = widget->windowHandle();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || handle == nullptr) {
        return {};
    }
    const QString id = QString::number(handle->winId(), 16).prepend(QStringLiteral("0x"));
    const QString seen =
        Output(QStringLiteral("xwininfo"),
               {QStringLiteral("-children"), QStringLiteral("-id"), id}) +
        Output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id}) +
        Output(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("WM_STATE"),
                                         QStringLiteral("_NET_WM_STATE")});
    QString view = QStringLiteral("; X window ") + id;
    for (const QString &line : seen.split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("Parent window id:")) ||
            line.contains(QLatin1String("Map State:")) ||
            line.contains(QLatin1String("window state:")) ||
            line.startsWith(QLatin1String("_NET_WM_STATE")) ||
            line.contains(QLatin1String("not found"))) {
            view += QStringLiteral(", ") + line.trimmed();
        }
    }
    const QString tree =
        Output(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    qWarning().noquote() << "xwininfo -root -tree:\n" << tree;
    const QString log = qEnvironmentVariable("VRC_WM_LOG");
    if (!log.isEmpty()) {
        qWarning().noquote() << "the window manager's log, last lines:\n"
                             << Output(QStringLiteral("tail"),
                                       {QStringLiteral("-n"), QStringLiteral("80"), log});
    }
    return view;
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
        .arg(WindowStates(widget) + X11View(widget));
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
