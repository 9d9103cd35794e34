#include "runtime/type_ahead.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qwindowsysteminterface_p.h>

namespace vrc::runtime {

namespace {

// Sees every event from the window system before Qt dispatches it: the only
// place where a key aimed at a blocked window can still be redirected.
class TypeAheadForwarder final : public QWindowSystemEventHandler {
public:
    bool sendEvent(QWindowSystemInterfacePrivate::WindowSystemEvent *event) override {
        if (event->type == QWindowSystemInterfacePrivate::Key) {
            auto *key = static_cast<QWindowSystemInterfacePrivate::KeyEvent *>(event);
            QWindow *target =
                key->window.isNull() ? QGuiApplication::focusWindow() : key->window.data();
            QWindow *modal = nullptr;
            if (target != nullptr &&
                QGuiApplicationPrivate::instance()->isWindowBlocked(target, &modal) &&
                modal != nullptr) {
                key->window = modal;
                // A key sent without a window goes to the focus window
                // whatever it names, unless it no longer counts as one.
                key->flags &= ~QWindowSystemInterfacePrivate::WindowSystemEvent::NullWindow;
            }
        }
        return QWindowSystemEventHandler::sendEvent(event);
    }
};

} // namespace

void ForwardTypeAheadToModalWindow() {
    static TypeAheadForwarder forwarder;
    // Installs only when no other handler is in place; a second call is a no-op.
    QWindowSystemInterfacePrivate::installWindowSystemEventHandler(&forwarder);
}

} // namespace vrc::runtime
