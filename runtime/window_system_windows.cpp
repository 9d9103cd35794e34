// Windows: a window with an owner has no taskbar button. A window shown with
// no Qt owner gets a hidden native one, because a second Qt window, even one
// never shown, makes Wine load its whole OpenGL and Vulkan stack (+85 MB).
#include "runtime/window_system.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <windows.h>

namespace vrc::runtime {

namespace {

// Lives as a child of the window it owns, so the owner goes with the window.
class NativeOwner final : public QObject, public QAbstractNativeEventFilter {
public:
    explicit NativeOwner(QWidget &window)
        : QObject(&window)
        , owner_(CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    NativeOwner(const NativeOwner &) = delete;
    NativeOwner &operator=(const NativeOwner &) = delete;

    ~NativeOwner() override {
        // Destroying an owner destroys what it owns: let go of Qt's window first.
        const HWND owned = Owned();
        if (owned != nullptr && GetWindow(owned, GW_OWNER) == owner_) {
            SetWindowLongPtrW(owned, GWLP_HWNDPARENT, 0);
        }
        if (owner_ != nullptr) {
            DestroyWindow(owner_);
        }
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message,
                           qintptr * /*result*/) override {
        if (owner_ == nullptr || eventType != "windows_generic_MSG") {
            return false;
        }
        // Qt sets the owner from the transient parent (none) just before it
        // shows the window; set any earlier, ours would be cleared.
        const auto *msg = static_cast<const MSG *>(message);
        if (msg->message == WM_SHOWWINDOW && msg->wParam == TRUE && msg->hwnd == Owned()) {
            SetWindowLongPtrW(msg->hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
        }
        return false;
    }

private:
    // The window's current handle (Qt may have made it anew), without making one.
    HWND Owned() const {
        const auto *window = static_cast<const QWidget *>(parent());
        if (window == nullptr) {
            return nullptr;
        }
        // Qt hands the native handle over as an integer.
        // NOLINTNEXTLINE(performance-no-int-to-ptr)
        return reinterpret_cast<HWND>(window->internalWinId());
    }

    HWND owner_;
};

} // namespace

void KeepOffTaskbar(QWidget &window) {
    if (QGuiApplication::platformName() != QLatin1String("windows")) {
        return;
    }
    const QWindow *handle = window.windowHandle();
    if (handle == nullptr || handle->transientParent() != nullptr) {
        return; // Qt's owner keeps it off
    }
    const QObjectList &children = window.children();
    if (std::none_of(children.begin(), children.end(), [](const QObject *child) {
            return dynamic_cast<const NativeOwner *>(child) != nullptr;
        })) {
        new NativeOwner(window);
    }
}

void ActivateWindow(QWidget &window) {
    window.activateWindow();
}

} // namespace vrc::runtime
